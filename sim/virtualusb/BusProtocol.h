#pragma once
// The virtual USB bus between `qs7582-sim --usb` and the stand-in libusb: packets on a
// Unix stream socket. The simulator owns the bus (which devices are plugged, which
// program has claimed one) and the device behind each chip; the stand-in owns the chip
// on the PC's side, so that its latency timer and bulk packets are timed where they are
// read.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace q7582::vusb {

enum class PacketType : std::uint8_t {
    Device = 1, // bus -> PC: a device is on the bus (payload: DeviceInfo)
    Gone,       // bus -> PC: it has left the bus
    Data,       // both ways: bytes on the chip's serial side
    Claim,      // PC -> bus: claim the device's interface
    Release,    // PC -> bus: let it go
    Claimed,    // bus -> PC: the answer to Claim (payload: one byte, ClaimAnswer)
    Stall,      // bus -> PC: the device's next N bulk-in transfers time out (payload: u32 N)
    Listed,     // bus -> PC: every device on the bus has been announced (after a connect)
};

enum class ClaimAnswer : std::uint8_t { Granted = 0, Busy = 1 };

struct Packet {
    PacketType type = PacketType::Data;
    std::uint32_t device = 0; // the bus's number for the device, new at every plug-in
    std::vector<std::uint8_t> payload;
};

// What the PC can read of a device without opening it.
struct DeviceInfo {
    std::uint8_t bus = 1;
    std::uint8_t address = 0;
    std::uint16_t vendor = 0x0403;
    std::uint16_t product = 0x6001;
    std::uint16_t release = 0x0600; // bcdDevice: 0x0600 is an FT232R
    bool refuseOpen = false;        // the device node refuses this user
    std::string manufacturer = "FTDI";
    std::string productName = "FT232R USB UART";
    std::string serial;

    bool operator==(const DeviceInfo&) const = default;
};

// A packet's bytes on the socket: type, device, payload length, payload.
std::vector<std::uint8_t> encodePacket(const Packet& packet);
std::vector<std::uint8_t> encodeDeviceInfo(const DeviceInfo& info);
std::optional<DeviceInfo> decodeDeviceInfo(const std::vector<std::uint8_t>& payload);
std::vector<std::uint8_t> encodeCount(std::uint32_t count);
std::optional<std::uint32_t> decodeCount(const std::vector<std::uint8_t>& payload);

// Cuts the byte stream of a socket into packets.
class PacketReader {
public:
    static constexpr std::uint32_t MaxPayload = 1 << 16;

    void feed(const std::uint8_t* data, std::size_t size);
    // The next complete packet, if any.
    std::optional<Packet> next();
    // The stream carried a packet no peer sends: the connection is of no use.
    bool broken() const { return broken_; }

private:
    std::vector<std::uint8_t> pending_;
    bool broken_ = false;
};

} // namespace q7582::vusb
