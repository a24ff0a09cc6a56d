#include "BusProtocol.h"

namespace q7582::vusb {

namespace {

constexpr std::size_t HeaderSize = 9; // type, device (4), length (4)

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(v >> shift));
}

std::uint32_t getU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

void putString(std::vector<std::uint8_t>& out, const std::string& s)
{
    const std::size_t size = std::min<std::size_t>(s.size(), 255);
    out.push_back(std::uint8_t(size));
    out.insert(out.end(), s.begin(), s.begin() + std::ptrdiff_t(size));
}

// Reads fields in order; any read past the end makes the whole decode fail.
class FieldReader {
public:
    explicit FieldReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    std::uint8_t u8() { return at_ < bytes_.size() ? bytes_[at_++] : (failed_ = true, 0); }
    std::uint16_t u16()
    {
        const std::uint8_t low = u8();
        return std::uint16_t(low | u8() << 8);
    }
    std::string string()
    {
        const std::size_t size = u8();
        if (at_ + size > bytes_.size()) {
            failed_ = true;
            return {};
        }
        std::string s(bytes_.begin() + std::ptrdiff_t(at_), bytes_.begin() + std::ptrdiff_t(at_ + size));
        at_ += size;
        return s;
    }
    bool ok() const { return !failed_ && at_ == bytes_.size(); }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

} // namespace

std::vector<std::uint8_t> encodePacket(const Packet& packet)
{
    std::vector<std::uint8_t> out;
    out.reserve(HeaderSize + packet.payload.size());
    out.push_back(std::uint8_t(packet.type));
    putU32(out, packet.device);
    putU32(out, std::uint32_t(packet.payload.size()));
    out.insert(out.end(), packet.payload.begin(), packet.payload.end());
    return out;
}

std::vector<std::uint8_t> encodeDeviceInfo(const DeviceInfo& info)
{
    std::vector<std::uint8_t> out{info.bus,
                                  info.address,
                                  std::uint8_t(info.vendor),
                                  std::uint8_t(info.vendor >> 8),
                                  std::uint8_t(info.product),
                                  std::uint8_t(info.product >> 8),
                                  std::uint8_t(info.release),
                                  std::uint8_t(info.release >> 8),
                                  std::uint8_t(info.refuseOpen)};
    putString(out, info.manufacturer);
    putString(out, info.productName);
    putString(out, info.serial);
    return out;
}

std::optional<DeviceInfo> decodeDeviceInfo(const std::vector<std::uint8_t>& payload)
{
    FieldReader in(payload);
    DeviceInfo info;
    info.bus = in.u8();
    info.address = in.u8();
    info.vendor = in.u16();
    info.product = in.u16();
    info.release = in.u16();
    info.refuseOpen = in.u8() != 0;
    info.manufacturer = in.string();
    info.productName = in.string();
    info.serial = in.string();
    if (!in.ok())
        return std::nullopt;
    return info;
}

std::vector<std::uint8_t> encodeCount(std::uint32_t count)
{
    std::vector<std::uint8_t> out;
    putU32(out, count);
    return out;
}

std::optional<std::uint32_t> decodeCount(const std::vector<std::uint8_t>& payload)
{
    if (payload.size() != 4)
        return std::nullopt;
    return getU32(payload.data());
}

void PacketReader::feed(const std::uint8_t* data, std::size_t size)
{
    pending_.insert(pending_.end(), data, data + size);
}

std::optional<Packet> PacketReader::next()
{
    if (broken_ || pending_.size() < HeaderSize)
        return std::nullopt;
    const std::uint8_t type = pending_[0];
    const std::uint32_t size = getU32(pending_.data() + 5);
    if (type < std::uint8_t(PacketType::Device) || type > std::uint8_t(PacketType::Listed) || size > MaxPayload) {
        broken_ = true;
        return std::nullopt;
    }
    if (pending_.size() < HeaderSize + size)
        return std::nullopt;
    Packet packet{PacketType(type), getU32(pending_.data() + 1),
                  std::vector<std::uint8_t>(pending_.begin() + HeaderSize, pending_.begin() + HeaderSize + size)};
    pending_.erase(pending_.begin(), pending_.begin() + HeaderSize + size);
    return packet;
}

} // namespace q7582::vusb
