#include "BusClient.h"

#include "Journal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace q7582::vusb {

namespace {
// How long the bus may take to list its devices after a connect, or to answer a claim.
constexpr int AnswerMs = 1000;
} // namespace

BusClient::BusClient(std::string path, PacketHandler onPacket, std::function<void()> onLost)
    : path_(std::move(path)), onPacket_(std::move(onPacket)), onLost_(std::move(onLost))
{
}

BusClient::~BusClient()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool BusClient::connect()
{
    sockaddr_un address{};
    if (path_.empty() || path_.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path_.c_str(), path_.size());
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0)
        return false;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    reader_ = PacketReader();
    listed_ = false;
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(AnswerMs);
    while (fd_ >= 0 && !listed_ && Clock::now() < until)
        take(AnswerMs);
    return fd_ >= 0;
}

void BusClient::refresh()
{
    if (fd_ >= 0 || connect())
        takeArrived();
}

void BusClient::takeArrived()
{
    if (fd_ >= 0)
        take(0);
}

void BusClient::waitUntil(Clock::time_point until)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
    if (fd_ < 0) {
        if (left > 0)
            ::poll(nullptr, 0, int(left));
        return;
    }
    take(int(std::max<long>(left, 0)));
}

bool BusClient::take(int timeoutMs)
{
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return true;
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n > 0) {
            reader_.feed(buffer, std::size_t(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            break;
        lose(); // the simulator has gone: every device with it
        return false;
    }
    while (std::optional<Packet> packet = reader_.next())
        dispatch(*packet);
    if (reader_.broken()) {
        journalFault("the bus " + path_ + " sent a packet no bus sends; disconnected");
        lose();
        return false;
    }
    return true;
}

void BusClient::dispatch(const Packet& packet)
{
    if (packet.type == PacketType::Claimed && packet.payload.size() == 1)
        claimAnswer_ = {packet.device, ClaimAnswer(packet.payload[0])};
    else if (packet.type == PacketType::Listed)
        listed_ = true;
    else
        onPacket_(packet);
}

void BusClient::lose()
{
    ::close(fd_);
    fd_ = -1;
    onLost_();
}

void BusClient::send(PacketType type, std::uint32_t device, const std::uint8_t* data, std::size_t size)
{
    if (fd_ < 0)
        return;
    const std::vector<std::uint8_t> bytes = encodePacket({type, device, std::vector<std::uint8_t>(data, data + size)});
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += std::size_t(n);
            continue;
        }
        pollfd p{fd_, POLLOUT, 0};
        if (n < 0 && errno == EAGAIN && ::poll(&p, 1, AnswerMs) > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        lose();
        return;
    }
}

std::optional<ClaimAnswer> BusClient::claim(std::uint32_t device)
{
    claimAnswer_.reset();
    send(PacketType::Claim, device);
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(AnswerMs);
    while (fd_ >= 0 && !(claimAnswer_ && claimAnswer_->first == device) && Clock::now() < until)
        waitUntil(until);
    if (!claimAnswer_ || claimAnswer_->first != device)
        return std::nullopt;
    return claimAnswer_->second;
}

} // namespace q7582::vusb
