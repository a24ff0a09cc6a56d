#pragma once
// The PC's end of the virtual bus: a connection to `qs7582-sim --usb` through the
// socket named in Q7582_VIRTUAL_USB. Without one, or while the simulator is not
// there, the bus is empty. Packets are taken when the stand-in libusb is called; no
// thread of its own.

#include "BusProtocol.h"
#include "Ft232r.h"

#include <functional>
#include <optional>
#include <string>

namespace q7582::vusb {

class BusClient {
public:
    using PacketHandler = std::function<void(const Packet&)>;

    // onPacket gets every packet but the answers to Claim; onLost is told when the
    // connection drops, which unplugs every device.
    BusClient(std::string path, PacketHandler onPacket, std::function<void()> onLost);
    ~BusClient();
    BusClient(const BusClient&) = delete;
    BusClient& operator=(const BusClient&) = delete;

    // Connects when not connected (and waits for the bus's listing), then takes what
    // has arrived.
    void refresh();
    // Takes what has arrived, without waiting.
    void takeArrived();
    // Takes packets as they arrive, returning after the first or at `until`.
    void waitUntil(Clock::time_point until);
    void send(PacketType type, std::uint32_t device, const std::uint8_t* data = nullptr, std::size_t size = 0);
    // Asks the bus for the device's interface; nothing when the bus did not answer.
    std::optional<ClaimAnswer> claim(std::uint32_t device);

private:
    bool connect();
    // Reads what arrives within timeoutMs and hands it on; false once the connection is lost.
    bool take(int timeoutMs);
    void dispatch(const Packet& packet);
    void lose();

    std::string path_;
    PacketHandler onPacket_;
    std::function<void()> onLost_;
    int fd_ = -1;
    PacketReader reader_;
    bool listed_ = false;
    std::optional<std::pair<std::uint32_t, ClaimAnswer>> claimAnswer_;
};

} // namespace q7582::vusb
