#include "Ft232r.h"

#include "Journal.h"

#include <algorithm>
#include <libusb.h>

namespace q7582::vusb {

namespace {

// Vendor requests to the device, host to device and back.
constexpr std::uint8_t VendorOut = std::uint8_t(LIBUSB_REQUEST_TYPE_VENDOR) | std::uint8_t(LIBUSB_RECIPIENT_DEVICE);
constexpr std::uint8_t VendorIn = VendorOut | std::uint8_t(LIBUSB_ENDPOINT_IN);

enum Request : std::uint8_t {
    Reset = 0x00,
    ModemControl = 0x01,
    SetFlowControl = 0x02,
    SetBaudRate = 0x03,
    SetData = 0x04,
    PollModemStatus = 0x05,
    SetEventChar = 0x06,
    SetErrorChar = 0x07,
    SetLatencyTimer = 0x09,
    GetLatencyTimer = 0x0A,
    SetBitMode = 0x0B,
    ReadPins = 0x0C,
};

// The packets' first two bytes: CTS and DSR up (bit 0 is always set), and the
// transmitter empty.
constexpr std::uint8_t ModemStatus = 0x31;
constexpr std::uint8_t LineStatus = 0x60;

// The sub-integer part of a baud divisor, in eighths, by its three-bit code.
constexpr int EighthsByCode[8] = {0, 4, 2, 1, 3, 5, 6, 7};
constexpr int BaseClock = 3000000;

// A request for the chip's one port: 0 or 1 (port A) in the low byte of wIndex.
bool onePort(std::uint16_t index) { return (index & 0xFF) <= 1; }

} // namespace

Ft232r::Ft232r(SerialSide& side, std::string serial) : side_(side), serial_(std::move(serial)) {}

void Ft232r::log(const std::string& request) { journalRequest(serial_, request); }

int Ft232r::stall(const std::string& what)
{
    journalFault(serial_ + ": stalled " + what);
    return LIBUSB_ERROR_PIPE;
}

void Ft232r::receive(const std::uint8_t* data, std::size_t size)
{
    if (settings_.bitMode == 0) // in a bit-bang mode the serial line is off
        received_.insert(received_.end(), data, data + size);
}

int Ft232r::control(std::uint8_t requestType, std::uint8_t request, std::uint16_t value, std::uint16_t index,
                    std::uint8_t* data, std::uint16_t length)
{
    if (gone_)
        return LIBUSB_ERROR_NO_DEVICE;
    const std::string what = "request " + std::to_string(request) + " (type " + std::to_string(requestType) + ", value "
                             + std::to_string(value) + ", index " + std::to_string(index) + ")";
    if (requestType == VendorIn) {
        const auto answer = [&](std::initializer_list<std::uint8_t> bytes, const char* name) {
            if (length < bytes.size() || !onePort(index))
                return stall(what);
            std::copy(bytes.begin(), bytes.end(), data);
            log(name);
            return int(bytes.size());
        };
        switch (request) {
        case PollModemStatus:
            return answer({ModemStatus, LineStatus}, "poll modem status");
        case GetLatencyTimer:
            return answer({std::uint8_t(settings_.latencyMs)}, "get latency");
        case ReadPins:
            return answer({0xFF}, "read pins");
        default:
            return stall(what);
        }
    }
    if (requestType != VendorOut || length != 0)
        return stall(what);
    bool taken = false;
    switch (request) {
    case Reset:
        taken = onePort(index) && reset(value);
        break;
    case ModemControl:
        taken = onePort(index) && setModemControl(value);
        break;
    case SetFlowControl:
        taken = onePort(index) && setFlowControl(index);
        break;
    case SetBaudRate:
        taken = setBaudRate(value, index);
        break;
    case SetData:
        taken = onePort(index) && setData(value);
        break;
    case SetEventChar:
    case SetErrorChar:
        taken = onePort(index) && value <= 0x1FF; // the character and its enable bit
        if (taken)
            log(request == SetEventChar ? "event char" : "error char");
        break;
    case SetLatencyTimer:
        taken = onePort(index) && setLatency(value);
        break;
    case SetBitMode:
        taken = onePort(index) && setBitMode(value);
        break;
    }
    return taken ? 0 : stall(what);
}

bool Ft232r::reset(std::uint16_t value)
{
    switch (value) {
    case 0: // the whole port: both buffers
        received_.clear();
        log("reset");
        return true;
    case 1: // what the PC sent and the serial line has not taken: nothing here, bits take no time
        log("purge output");
        return true;
    case 2: // what the device sent and the PC has not read
        received_.clear();
        log("purge input");
        return true;
    default:
        return false;
    }
}

// Divisor of the 3 MHz clock: 14 integer bits, and a sub-integer code in value bits
// 14-15 and index bit 0. Divisors 0 and 1 mean 3 and 2 Mbaud; below 2 no sub-integer
// part is allowed.
bool Ft232r::setBaudRate(std::uint16_t value, std::uint16_t index)
{
    if (index > 1)
        return false;
    const int whole = value & 0x3FFF;
    const int eighths = EighthsByCode[(value >> 14) | (index & 1) << 2];
    if (whole < 2 && eighths != 0)
        return false;
    settings_.baud = whole == 0 ? BaseClock : whole == 1 ? 2000000 : BaseClock * 8 / (whole * 8 + eighths);
    log("baud " + std::to_string(settings_.baud));
    return true;
}

// Bits 0-7 data bits (7 or 8), 8-10 parity, 11-13 stop bits, 14 break.
bool Ft232r::setData(std::uint16_t value)
{
    const int bits = value & 0xFF;
    const int parity = (value >> 8) & 0x7;
    const int stop = (value >> 11) & 0x7;
    if ((bits != 7 && bits != 8) || parity > 4 || stop > 2 || value >> 15)
        return false;
    settings_.dataBits = bits;
    settings_.parity = parity;
    settings_.stopBits = stop;
    log("data " + std::to_string(bits) + "NOEMS"[parity]
        + (stop == 0   ? "1"
           : stop == 1 ? "1.5"
                       : "2")
        + (value & 0x4000 ? " break" : ""));
    return true;
}

// The handshake in wIndex's high byte: none, RTS/CTS, DTR/DSR or XON/XOFF.
bool Ft232r::setFlowControl(std::uint16_t index)
{
    const int mode = index >> 8;
    if (mode != 0 && mode != 1 && mode != 2 && mode != 4)
        return false;
    settings_.flowControl = mode;
    log("flow " + std::string(mode == 0 ? "none" : mode == 1 ? "rts/cts" : mode == 2 ? "dtr/dsr" : "xon/xoff"));
    return true;
}

// DTR (bit 0) and RTS (bit 1), each changed only where its mask bit (8, 9) is set.
bool Ft232r::setModemControl(std::uint16_t value)
{
    if (value & 0xFCFC)
        return false;
    log("modem control " + std::to_string(value));
    return true;
}

bool Ft232r::setLatency(std::uint16_t value)
{
    if (value < 1 || value > 255)
        return false;
    settings_.latencyMs = value;
    log("latency " + std::to_string(value));
    return true;
}

// Mode in the high byte (reset, asynchronous or synchronous bit-bang, CBUS bit-bang),
// the pins' directions in the low byte.
bool Ft232r::setBitMode(std::uint16_t value)
{
    const int mode = value >> 8;
    if (mode != 0x00 && mode != 0x01 && mode != 0x04 && mode != 0x20)
        return false;
    settings_.bitMode = std::uint8_t(mode);
    log("bit mode " + std::to_string(mode));
    return true;
}

int Ft232r::bulk(std::uint8_t endpoint, std::uint8_t* data, int length, int* transferred, unsigned timeoutMs)
{
    *transferred = 0;
    if (gone_)
        return LIBUSB_ERROR_NO_DEVICE;
    if (endpoint == InEndpoint)
        return bulkIn(data, length, transferred, timeoutMs);
    if (endpoint == OutEndpoint)
        return bulkOut(data, length, transferred);
    journalFault(serial_ + ": bulk transfer on endpoint " + std::to_string(endpoint) + ", which it does not have");
    return LIBUSB_ERROR_PIPE;
}

int Ft232r::bulkOut(const std::uint8_t* data, int length, int* transferred)
{
    if (settings_.bitMode == 0)
        side_.send(data, length);
    *transferred = length;
    return 0;
}

// Packets until a short one ends the transfer, the buffer is full or the time is up.
// The chip sends a full packet once 62 bytes wait, and a short one (maybe only the
// status bytes) when the latency timer runs out, counted from the last packet.
int Ft232r::bulkIn(std::uint8_t* data, int length, int* transferred, unsigned timeoutMs)
{
    const Clock::time_point deadline =
        timeoutMs ? Clock::now() + std::chrono::milliseconds(timeoutMs) : Clock::time_point::max();
    if (stalledReads_ > 0) {
        --stalledReads_;
        while (!gone_ && Clock::now() < deadline)
            side_.waitUntil(deadline);
        return gone_ ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_ERROR_TIMEOUT;
    }
    const std::chrono::milliseconds latency(settings_.latencyMs);
    for (;;) {
        side_.takeArrived();
        if (gone_)
            return LIBUSB_ERROR_NO_DEVICE;
        const Clock::time_point now = Clock::now();
        const bool full = received_.size() >= std::size_t(PacketSize - StatusSize);
        if (!full && now < lastPacket_ + latency) {
            if (now >= deadline)
                return LIBUSB_ERROR_TIMEOUT;
            side_.waitUntil(std::min(lastPacket_ + latency, deadline));
            continue;
        }
        const int carried = int(std::min<std::size_t>(received_.size(), PacketSize - StatusSize));
        if (length - *transferred < carried + StatusSize) {
            journalFault(serial_ + ": bulk-in buffer of " + std::to_string(length)
                         + " bytes is not a whole number of packets");
            return LIBUSB_ERROR_OVERFLOW;
        }
        std::uint8_t* packet = data + *transferred;
        packet[0] = ModemStatus;
        packet[1] = LineStatus;
        std::copy_n(received_.begin(), carried, packet + StatusSize);
        received_.erase(received_.begin(), received_.begin() + carried);
        *transferred += carried + StatusSize;
        lastPacket_ = now;
        if (carried + StatusSize < PacketSize || *transferred == length)
            return 0;
    }
}

} // namespace q7582::vusb
