#pragma once
// An FT232R as the PC sees it over USB, as FTDI's data sheet and application notes
// describe it: the vendor requests on endpoint 0 (reset and purge, baud rate, data
// characteristics, flow control, modem control and status, latency timer, bit mode),
// a bulk-out endpoint whose bytes go to the serial side, and a bulk-in endpoint that
// answers in packets of at most 64 bytes, each starting with the two modem-status
// bytes, carrying data once 62 bytes wait or the latency timer runs out. Bits on the
// serial line take no time here: a reply is in the receive buffer as soon as the
// device has sent it.

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>

namespace q7582::vusb {

using Clock = std::chrono::steady_clock;

// The chip's serial side: the device behind it.
class SerialSide {
public:
    virtual ~SerialSide() = default;
    // Bytes from the PC for the device.
    virtual void send(const std::uint8_t* data, int size) = 0;
    // Takes what the device has sent by now (into Ft232r::receive).
    virtual void takeArrived() = 0;
    // Returns once the device may have sent more, or at `until`, whichever is first.
    virtual void waitUntil(Clock::time_point until) = 0;
};

class Ft232r {
public:
    static constexpr int PacketSize = 64;
    static constexpr int StatusSize = 2; // modem status, line status
    static constexpr std::uint8_t InEndpoint = 0x81;
    static constexpr std::uint8_t OutEndpoint = 0x02;
    static constexpr int DefaultLatencyMs = 16;

    // What the PC has set, as the chip understood it.
    struct Settings {
        int baud = 9600;
        int dataBits = 8;
        int parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
        int stopBits = 0; // 0 one, 1 one and a half, 2 two
        int flowControl = 0;
        int latencyMs = DefaultLatencyMs;
        std::uint8_t bitMode = 0; // 0: the serial line; else a bit-bang mode
    };

    Ft232r(SerialSide& side, std::string serial);

    // A vendor request on endpoint 0: how many bytes its data stage carried, or
    // LIBUSB_ERROR_PIPE for a request the chip stalls.
    int control(std::uint8_t requestType, std::uint8_t request, std::uint16_t value, std::uint16_t index,
                std::uint8_t* data, std::uint16_t length);
    // A bulk transfer: a libusb result, with *transferred as far as it came.
    int bulk(std::uint8_t endpoint, std::uint8_t* data, int length, int* transferred, unsigned timeoutMs);

    // The device sent these bytes.
    void receive(const std::uint8_t* data, std::size_t size);
    // The next `count` bulk-in transfers get no packet and end at their timeout.
    void stallReads(unsigned count) { stalledReads_ += count; }
    // Unplugged: every transfer fails with LIBUSB_ERROR_NO_DEVICE from now on.
    void unplug() { gone_ = true; }
    bool gone() const { return gone_; }
    const Settings& settings() const { return settings_; }

private:
    int bulkIn(std::uint8_t* data, int length, int* transferred, unsigned timeoutMs);
    int bulkOut(const std::uint8_t* data, int length, int* transferred);
    // The vendor requests the PC may send; each returns false for a value the chip refuses.
    bool reset(std::uint16_t value);
    bool setBaudRate(std::uint16_t value, std::uint16_t index);
    bool setData(std::uint16_t value);
    bool setFlowControl(std::uint16_t index);
    bool setModemControl(std::uint16_t value);
    bool setLatency(std::uint16_t value);
    bool setBitMode(std::uint16_t value);
    // A request refused: a stall, recorded as a fault of the PC's side.
    int stall(const std::string& what);
    void log(const std::string& request);

    SerialSide& side_;
    std::string serial_;
    Settings settings_;
    std::deque<std::uint8_t> received_;
    Clock::time_point lastPacket_{};
    unsigned stalledReads_ = 0;
    bool gone_ = false;
};

} // namespace q7582::vusb
