#pragma once
// ZoneMask: 40-bit little-endian mask, bit z-1 = zone (or output) z, 1..36.
// ZoneSet / OutputSet: six masks in master-address order, 5 bytes each.

#include "model/Bytes.h"

#include <type_traits>

namespace q7582 {

namespace ZoneMask {
inline constexpr int Size = 5;
inline constexpr int Zones = 36;
inline constexpr std::uint64_t AllZones = (std::uint64_t(1) << Zones) - 1; // FF FF FF FF 0F

inline bool test(const Byte* mask, int zone) { return (mask[(zone - 1) / 8] >> ((zone - 1) % 8)) & 1; }
inline void set(Byte* mask, int zone, bool on = true)
{
    const Byte bit = Byte(1u << ((zone - 1) % 8));
    if (on)
        mask[(zone - 1) / 8] |= bit;
    else
        mask[(zone - 1) / 8] &= Byte(~bit);
}
inline void clear(Byte* mask, int zone) { set(mask, zone, false); }
inline void setAll(Byte* mask) { writeLe40(mask, AllZones); }
inline void clearAll(Byte* mask) { writeLe40(mask, 0); }
inline std::uint64_t value(const Byte* mask) { return readLe40(mask); }
inline bool any(const Byte* mask) { return (readLe40(mask) & AllZones) != 0; }
} // namespace ZoneMask

// View over a 30-byte ZoneSet or OutputSet inside an image. B is Byte or const Byte.
template <typename B>
class ZoneSetView {
public:
    static constexpr int Size = 30;
    static constexpr int Masters = 6;

    explicit ZoneSetView(B* p) : p_(p) {}

    B* mask(int master) const { return p_ + ZoneMask::Size * master; }
    bool test(int master, int zone) const { return ZoneMask::test(mask(master), zone); }
    bool any() const
    {
        for (int m = 0; m < Masters; ++m)
            if (ZoneMask::any(mask(m)))
                return true;
        return false;
    }
    void set(int master, int zone, bool on = true) const requires(!std::is_const_v<B>)
    {
        ZoneMask::set(mask(master), zone, on);
    }
    void clear(int master, int zone) const requires(!std::is_const_v<B>) { ZoneMask::clear(mask(master), zone); }
    void setAll(int master) const requires(!std::is_const_v<B>) { ZoneMask::setAll(mask(master)); }
    void clearAll(int master) const requires(!std::is_const_v<B>) { ZoneMask::clearAll(mask(master)); }
    B* data() const { return p_; }

private:
    B* p_;
};

using ZoneSet = ZoneSetView<Byte>;
using ConstZoneSet = ZoneSetView<const Byte>;
// Same shape; bit n of master m's mask = output n+1 (card n/6 + 1, output n%6 + 1).
using OutputSet = ZoneSetView<Byte>;
using ConstOutputSet = ZoneSetView<const Byte>;

} // namespace q7582
