#pragma once
// Little-endian reads and writes at any offset. The device's records are packed,
// so multi-byte fields are never read through natural alignment.

#include <cstddef>
#include <cstdint>

namespace q7582 {

using Byte = std::uint8_t;

inline std::uint16_t readLe16(const Byte* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

inline void writeLe16(Byte* p, std::uint16_t v)
{
    p[0] = Byte(v);
    p[1] = Byte(v >> 8);
}

inline std::uint32_t readLe32(const Byte* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

inline void writeLe32(Byte* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = Byte(v >> (8 * i));
}

inline std::uint64_t readLe40(const Byte* p)
{
    std::uint64_t v = 0;
    for (int i = 4; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

inline void writeLe40(Byte* p, std::uint64_t v)
{
    for (int i = 0; i < 5; ++i)
        p[i] = Byte(v >> (8 * i));
}

} // namespace q7582
