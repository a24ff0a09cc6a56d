#pragma once
// The device behind an FT232R on a virtual USB bus: a Unix socket to which each
// program using the stand-in libusb connects (Q7582_VIRTUAL_USB names it). The bus
// lists its devices to every program, grants a device's interface to one program at a
// time, and carries the bytes of the simulated device's serial line to and from the
// program that claimed it. Faults of the bus itself are run-time commands: a refused
// open, an interface held by another program, stalled reads, more FTDI devices.

#include "Port.h"
#include "virtualusb/BusProtocol.h"

#include <cstdint>
#include <list>

namespace q7582::sim {

class UsbBusPort : public Port {
public:
    // serial: the simulated device's serial number.
    UsbBusPort(std::string socketPath, std::string serial);
    ~UsbBusPort() override;
    UsbBusPort(const UsbBusPort&) = delete;
    UsbBusPort& operator=(const UsbBusPort&) = delete;

    // Listens on the socket (at the first plug-in), then the device joins the bus at
    // the next free address.
    bool plug() override;
    // The device leaves the bus; the programs see it gone.
    void unplug() override;
    std::string where() const override;
    std::string readyLine() const override { return socketPath_; }
    void watch(std::vector<pollfd>& fds) const override;
    bool serve(std::vector<Byte>& fromPc) override;
    bool write(const Byte* data, int size) override;
    // refuse-open on|off, claim-busy on|off, stall N, add-device VID:PID [SERIAL], remove-device SERIAL
    bool control(const std::string& word, std::istream& args) override;

private:
    struct Client {
        int fd = -1;
        vusb::PacketReader reader;
        std::vector<std::uint8_t> outbox;
    };
    struct Device {
        std::uint32_t id = 0;
        vusb::DeviceInfo info;
        Client* claimer = nullptr;
    };

    bool listen();
    void accept();
    // Reads what a client sent; false when it has gone.
    bool readFrom(Client& client, std::vector<Byte>& fromPc);
    void take(Client& client, const vusb::Packet& packet, std::vector<Byte>& fromPc);
    void flush(Client& client);
    void sendTo(Client& client, vusb::PacketType type, std::uint32_t device, std::vector<std::uint8_t> payload = {});
    void announce(const Device& device);
    Device& join(vusb::DeviceInfo info);
    void leave(std::uint32_t id);
    Device* find(std::uint32_t id);
    Device* simulated() { return find(simulatedId_); }
    void refuseOpen(bool refuse);

    std::string socketPath_;
    std::string serial_;
    int listenFd_ = -1;
    std::list<Client> clients_;   // stable addresses: devices point at their claimer
    std::vector<Device> devices_; // in the order they were plugged in
    std::uint32_t nextId_ = 1;
    std::uint8_t nextAddress_ = 2;  // 1 is the root hub
    std::uint32_t simulatedId_ = 0; // 0 while unplugged
    bool refuseOpen_ = false;
    bool claimBusy_ = false;
};

} // namespace q7582::sim
