#include "UsbBusPort.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace q7582::sim {

using vusb::ClaimAnswer;
using vusb::DeviceInfo;
using vusb::Packet;
using vusb::PacketType;

namespace {

// Above the 63 buses Linux numbers, so that no real device node shares the devices' paths.
constexpr std::uint8_t VirtualBus = 99;

// bcdDevice and product string of the FTDI chips the manager looks for.
struct ChipKind {
    std::uint16_t product;
    std::uint16_t release;
    const char* name;
};
constexpr ChipKind ChipKinds[] = {
    {0x6001, 0x0600, "FT232R USB UART"}, {0x6010, 0x0500, "Dual RS232"},        {0x6011, 0x0800, "Quad RS232-HS"},
    {0x6014, 0x0900, "Single RS232-HS"}, {0x6015, 0x1000, "FT230X Basic UART"},
};

bool sockaddrFor(const std::string& path, sockaddr_un& address)
{
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    return true;
}

// True when a simulator answers on the socket.
bool served(const sockaddr_un& address)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answered = fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return answered;
}

} // namespace

UsbBusPort::UsbBusPort(std::string socketPath, std::string serial)
    : socketPath_(std::move(socketPath)), serial_(std::move(serial))
{
}

UsbBusPort::~UsbBusPort()
{
    for (const Client& client : clients_)
        ::close(client.fd);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(socketPath_.c_str());
    }
}

// A socket left by a simulator that has gone is replaced; a live one, or a file that
// is not a socket, is not.
bool UsbBusPort::listen()
{
    sockaddr_un address;
    if (!sockaddrFor(socketPath_, address)) {
        error_ = "the socket path \"" + socketPath_ + "\" is empty or too long";
        return false;
    }
    struct stat st {};
    if (::lstat(socketPath_.c_str(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode) || served(address)) {
            error_ = "refusing to replace " + socketPath_
                     + (S_ISSOCK(st.st_mode) ? ", where another simulator serves" : ", which is not a socket");
            return false;
        }
        ::unlink(socketPath_.c_str());
    }
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::listen(listenFd_, 8) != 0) {
        error_ = "listening on " + socketPath_ + ": " + std::strerror(errno);
        if (listenFd_ >= 0)
            ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    return true;
}

bool UsbBusPort::plug()
{
    if (listenFd_ < 0 && !listen())
        return false;
    DeviceInfo info;
    info.serial = serial_;
    info.refuseOpen = refuseOpen_;
    simulatedId_ = join(info).id;
    return true;
}

void UsbBusPort::unplug()
{
    if (simulatedId_)
        leave(simulatedId_);
    simulatedId_ = 0;
}

std::string UsbBusPort::where() const
{
    for (const Device& d : devices_)
        if (d.id == simulatedId_)
            return "USB bus " + std::to_string(d.info.bus) + " device " + std::to_string(d.info.address)
                   + " (FT232R, serial " + d.info.serial + "), socket " + socketPath_;
    return "socket " + socketPath_;
}

UsbBusPort::Device* UsbBusPort::find(std::uint32_t id)
{
    const auto it = std::find_if(devices_.begin(), devices_.end(), [&](const Device& d) { return d.id == id; });
    return it == devices_.end() ? nullptr : &*it;
}

// A device plugged in takes the next address the bus has not given to another.
UsbBusPort::Device& UsbBusPort::join(DeviceInfo info)
{
    const auto taken = [&](std::uint8_t a) {
        return std::any_of(devices_.begin(), devices_.end(), [&](const Device& d) { return d.info.address == a; });
    };
    info.bus = VirtualBus;
    do {
        info.address = nextAddress_;
        nextAddress_ = nextAddress_ >= 127 ? 2 : std::uint8_t(nextAddress_ + 1);
    } while (taken(info.address));
    devices_.push_back({nextId_++, std::move(info), nullptr});
    announce(devices_.back());
    return devices_.back();
}

void UsbBusPort::leave(std::uint32_t id)
{
    std::erase_if(devices_, [&](const Device& d) { return d.id == id; });
    for (Client& client : clients_)
        sendTo(client, PacketType::Gone, id);
}

void UsbBusPort::announce(const Device& device)
{
    for (Client& client : clients_)
        sendTo(client, PacketType::Device, device.id, vusb::encodeDeviceInfo(device.info));
}

void UsbBusPort::watch(std::vector<pollfd>& fds) const
{
    if (listenFd_ >= 0)
        fds.push_back({listenFd_, POLLIN, 0});
    for (const Client& client : clients_)
        fds.push_back({client.fd, short(POLLIN | (client.outbox.empty() ? 0 : POLLOUT)), 0});
}

void UsbBusPort::accept()
{
    int fd;
    while ((fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0) {
        Client& client = clients_.emplace_back();
        client.fd = fd;
        for (const Device& device : devices_)
            sendTo(client, PacketType::Device, device.id, vusb::encodeDeviceInfo(device.info));
        sendTo(client, PacketType::Listed, 0);
    }
}

bool UsbBusPort::serve(std::vector<Byte>& fromPc)
{
    if (listenFd_ < 0)
        return true;
    accept();
    for (auto it = clients_.begin(); it != clients_.end();) {
        if (readFrom(*it, fromPc)) {
            flush(*it++);
            continue;
        }
        // A program that has gone lets go of what it claimed.
        for (Device& device : devices_)
            if (device.claimer == &*it)
                device.claimer = nullptr;
        ::close(it->fd);
        it = clients_.erase(it);
    }
    return true;
}

bool UsbBusPort::readFrom(Client& client, std::vector<Byte>& fromPc)
{
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(client.fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            client.reader.feed(buffer, std::size_t(n));
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return false;
        if (errno == EAGAIN)
            break;
    }
    while (std::optional<Packet> packet = client.reader.next())
        take(client, *packet, fromPc);
    return !client.reader.broken();
}

void UsbBusPort::take(Client& client, const Packet& packet, std::vector<Byte>& fromPc)
{
    Device* device = find(packet.device);
    switch (packet.type) {
    case PacketType::Claim: {
        const bool busy =
            !device || (device->claimer && device->claimer != &client) || (claimBusy_ && packet.device == simulatedId_);
        if (!busy)
            device->claimer = &client;
        sendTo(client, PacketType::Claimed, packet.device,
               {std::uint8_t(busy ? ClaimAnswer::Busy : ClaimAnswer::Granted)});
        break;
    }
    case PacketType::Release:
        if (device && device->claimer == &client)
            device->claimer = nullptr;
        break;
    case PacketType::Data:
        // The other FTDI devices have nothing behind them.
        if (device && device->claimer == &client && packet.device == simulatedId_)
            fromPc.insert(fromPc.end(), packet.payload.begin(), packet.payload.end());
        break;
    default:
        break;
    }
}

bool UsbBusPort::write(const Byte* data, int size)
{
    Device* device = simulated();
    if (device && device->claimer) // with no program reading, the bytes are lost as on a serial line
        sendTo(*device->claimer, PacketType::Data, device->id, std::vector<std::uint8_t>(data, data + size));
    return true;
}

void UsbBusPort::sendTo(Client& client, PacketType type, std::uint32_t device, std::vector<std::uint8_t> payload)
{
    const std::vector<std::uint8_t> bytes = vusb::encodePacket({type, device, std::move(payload)});
    client.outbox.insert(client.outbox.end(), bytes.begin(), bytes.end());
    flush(client);
}

void UsbBusPort::flush(Client& client)
{
    if (client.outbox.empty())
        return;
    const ssize_t n = ::send(client.fd, client.outbox.data(), client.outbox.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0)
        client.outbox.erase(client.outbox.begin(), client.outbox.begin() + n);
}

void UsbBusPort::refuseOpen(bool refuse)
{
    refuseOpen_ = refuse;
    if (Device* device = simulated()) {
        device->info.refuseOpen = refuse;
        announce(*device);
    }
}

bool UsbBusPort::control(const std::string& word, std::istream& args)
{
    std::string value;
    if (word == "refuse-open" || word == "claim-busy") {
        args >> value;
        if (value != "on" && value != "off")
            std::fprintf(stderr, "qs7582-sim: %s wants on or off\n", word.c_str());
        else if (word == "claim-busy")
            claimBusy_ = value == "on";
        else
            refuseOpen(value == "on");
        return true;
    }
    if (word == "stall") {
        unsigned count = 1;
        args >> count;
        if (Device* device = simulated(); device && device->claimer)
            sendTo(*device->claimer, PacketType::Stall, device->id, vusb::encodeCount(count));
        return true;
    }
    if (word == "add-device") {
        unsigned vendor = 0, product = 0;
        std::string serial;
        args >> value >> serial;
        const auto kind = std::find_if(std::begin(ChipKinds), std::end(ChipKinds), [&](const ChipKind& k) {
            return std::sscanf(value.c_str(), "%x:%x", &vendor, &product) == 2 && vendor == 0x0403
                   && k.product == product;
        });
        if (kind == std::end(ChipKinds)) {
            std::fprintf(stderr, "qs7582-sim: add-device wants 0403:6001, 0403:6010 or 0403:6015\n");
            return true;
        }
        DeviceInfo info;
        info.product = kind->product;
        info.release = kind->release;
        info.productName = kind->name;
        info.serial = serial.empty() ? "FT" + std::to_string(nextId_) : serial;
        join(info);
        return true;
    }
    if (word == "remove-device") {
        args >> value;
        const auto other = std::find_if(devices_.begin(), devices_.end(), [&](const Device& d) {
            return d.info.serial == value && d.id != simulatedId_;
        });
        if (other == devices_.end())
            std::fprintf(stderr, "qs7582-sim: no other device with serial \"%s\"\n", value.c_str());
        else
            leave(other->id);
        return true;
    }
    return false;
}

} // namespace q7582::sim
