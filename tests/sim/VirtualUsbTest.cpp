// The virtual FT232R in-process behind a scripted device: its packets, its latency
// timer and the requests it refuses; then the stand-in libusb under the real libftdi,
// refusing what libusb or a real chip would refuse, and saying so.

#include "SimHarness.h"
#include "virtualusb/Ft232r.h"
#include "virtualusb/Journal.h"

#include <ftdi.h>
#include <gtest/gtest.h>
#include <libusb.h>
#include <numeric>
#include <thread>

using namespace q7582;
using namespace q7582::vusb;

namespace {

class ScriptedDevice : public SerialSide {
public:
    ScriptedDevice() : chip(*this, "T") {}
    void send(const std::uint8_t* data, int size) override { sent.insert(sent.end(), data, data + size); }
    void takeArrived() override
    {
        chip.receive(reply.data(), reply.size());
        reply.clear();
    }
    void waitUntil(Clock::time_point until) override { std::this_thread::sleep_until(until); }
    // Reads one bulk-in transfer into `in`; its libusb result.
    int read(unsigned timeoutMs = 300)
    {
        in.assign(4096, 0);
        int got = 0;
        const int rc = chip.bulk(Ft232r::InEndpoint, in.data(), int(in.size()), &got, timeoutMs);
        in.resize(std::size_t(got));
        return rc;
    }

    Ft232r chip;
    std::vector<std::uint8_t> reply; // what the device sends next
    std::vector<std::uint8_t> sent;
    std::vector<std::uint8_t> in;
};

std::chrono::milliseconds since(Clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t);
}

} // namespace

TEST(VirtualFt232r, PacketsStartWithTheStatusBytesAndComeFullOrWhenTheLatencyTimerRunsOut)
{
    ScriptedDevice device;
    ASSERT_EQ(device.read(), 0);
    EXPECT_EQ(device.in, (std::vector<std::uint8_t>{0x31, 0x60})) << "nothing waits: the status bytes alone";

    std::vector<std::uint8_t> sent(130);
    std::iota(sent.begin(), sent.end(), std::uint8_t(0));
    device.reply = sent;
    const Clock::time_point start = Clock::now();
    ASSERT_EQ(device.read(), 0);
    ASSERT_EQ(device.in.size(), 64u + 64u + 8u) << "two full packets of 62 bytes, then the other 6";
    std::vector<std::uint8_t> data;
    for (std::size_t at = 0; at < device.in.size(); at += Ft232r::PacketSize) {
        EXPECT_TRUE(device.in[at] == 0x31 && device.in[at + 1] == 0x60) << "each packet starts with the status bytes";
        data.insert(data.end(), device.in.begin() + long(at) + 2,
                    device.in.begin() + long(std::min(at + Ft232r::PacketSize, device.in.size())));
    }
    EXPECT_EQ(data, sent);
    EXPECT_GE(since(start).count(), Ft232r::DefaultLatencyMs) << "the short packet waited for the latency timer";

    ASSERT_EQ(device.chip.control(0x40, 0x09, 1, 1, nullptr, 0), 0);
    std::uint8_t latency = 0;
    ASSERT_EQ(device.chip.control(0xC0, 0x0A, 0, 1, &latency, 1), 1);
    EXPECT_EQ(latency, 1);

    const std::uint8_t request[] = {0xC0, 0x05, 0x00};
    int written = 0;
    ASSERT_EQ(device.chip.bulk(Ft232r::OutEndpoint, const_cast<std::uint8_t*>(request), 3, &written, 300), 0);
    EXPECT_EQ(written, 3);
    EXPECT_EQ(device.sent, std::vector<std::uint8_t>(request, request + 3));
    takeRequests();
}

// Each request as the chip takes it, or its stall (recorded as a fault of the PC's side).
TEST(VirtualFt232r, TakesTheRequestsOfItsDataSheetAndStallsEveryOther)
{
    struct Case {
        std::uint8_t type, request;
        std::uint16_t value, index, length;
        const char* taken; // nullptr: stalled
    };
    const Case cases[] = {
        {0x40, 0x03, 0x4138, 0, 0, "baud 9600"},
        {0x40, 0x03, 0x0000, 0, 0, "baud 3000000"},
        {0x40, 0x03, 0x0001, 0, 0, "baud 2000000"},
        {0x40, 0x03, 0x4001, 0, 0, nullptr}, // a divisor of 1.5: none below 2 but 0 and 1
        {0x40, 0x03, 0x0138, 2, 0, nullptr}, // wIndex holds one divisor bit, no more
        {0x40, 0x04, 0x0008, 1, 0, "data 8N1"},
        {0x40, 0x04, 0x1207, 1, 0, "data 7E2"},
        {0x40, 0x04, 0x0005, 1, 0, nullptr}, // five data bits
        {0x40, 0x04, 0x0508, 1, 0, nullptr}, // parity 5
        {0x40, 0x02, 0x0000, 0x0101, 0, "flow rts/cts"},
        {0x40, 0x02, 0x0000, 0x0301, 0, nullptr},
        {0x40, 0x01, 0x0303, 1, 0, "modem control 771"},
        {0x40, 0x01, 0x0404, 1, 0, nullptr},
        {0x40, 0x09, 255, 1, 0, "latency 255"},
        {0x40, 0x09, 0, 1, 0, nullptr},
        {0x40, 0x00, 2, 1, 0, "purge input"},
        {0x40, 0x00, 3, 1, 0, nullptr},
        {0x40, 0x09, 1, 2, 0, nullptr}, // port 2 of a one-port chip
        {0x40, 0x09, 1, 1, 1, nullptr}, // a data stage where there is none
        {0x41, 0x09, 1, 1, 0, nullptr}, // to the interface
        {0x40, 0x20, 0, 1, 0, nullptr}, // no such request
        {0xC0, 0x05, 0, 1, 2, "poll modem status"},
        {0xC0, 0x05, 0, 1, 1, nullptr}, // too short for the answer
        {0x40, 0x0B, 0x0200, 1, 0, nullptr},
        {0x40, 0x0B, 0x01FF, 1, 0, "bit mode 1"},
    };
    ScriptedDevice device;
    takeRequests();
    takeFaults();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "request " << int(c.request) << " value " << c.value << " index "
                                        << c.index);
        std::uint8_t data[2] = {};
        const int rc = device.chip.control(c.type, c.request, c.value, c.index, data, c.length);
        if (c.taken) {
            EXPECT_EQ(rc, c.type & 0x80 ? c.length : 0);
            EXPECT_EQ(takeRequests(), std::vector<std::string>{std::string("T: ") + c.taken});
        } else {
            EXPECT_EQ(rc, LIBUSB_ERROR_PIPE);
            EXPECT_EQ(takeFaults().size(), 1u);
        }
    }
}

TEST(VirtualFt232r, AStalledReadEndsAtItsTimeoutAndAnUnpluggedChipFailsEveryTransfer)
{
    ScriptedDevice device;
    device.chip.stallReads(1);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(device.read(50), LIBUSB_ERROR_TIMEOUT);
    EXPECT_GE(since(start).count(), 50);
    EXPECT_EQ(device.read(50), 0) << "only the next read was stalled";

    device.reply.assign(20, 0x55);
    std::uint8_t small[10];
    int got = 0;
    EXPECT_EQ(device.chip.bulk(Ft232r::InEndpoint, small, 10, &got, 50), LIBUSB_ERROR_OVERFLOW);
    EXPECT_EQ(takeFaults().size(), 1u) << "a buffer that is no whole number of packets";

    device.chip.unplug();
    EXPECT_EQ(device.read(), LIBUSB_ERROR_NO_DEVICE);
    EXPECT_EQ(device.chip.control(0x40, 0x09, 1, 1, nullptr, 0), LIBUSB_ERROR_NO_DEVICE);
}

namespace {
bool hasFault(const std::string& part)
{
    const std::vector<std::string> faults = takeFaults();
    return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) { return f.find(part) != f.npos; });
}
} // namespace

TEST(VirtualUsb, TheStandInRefusesWhatLibusbOrTheChipWouldUnderTheRealLibftdi)
{
    simtest::SimulatorProcess sim({"--generator"}, simtest::Cable::Usb); // its chip as good as the master's
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    sim.useFromEnvironment();
    ftdi_context* ftdi = ftdi_new();
    ASSERT_EQ(ftdi_usb_open(ftdi, 0x0403, 0x6001), 0) << ftdi_get_error_string(ftdi);
    libusb_device_handle* handle = ftdi->usb_dev;

    EXPECT_EQ(libusb_control_transfer(handle, 0x40, 0x03, 0x4001, 0, nullptr, 0, 300), LIBUSB_ERROR_PIPE);
    EXPECT_TRUE(hasFault("stalled request 3"));

    ASSERT_EQ(libusb_release_interface(handle, 0), 0);
    const unsigned char byte = 0xC0;
    EXPECT_LT(ftdi_write_data(ftdi, &byte, 1), 0);
    EXPECT_TRUE(hasFault("bulk transfer on an interface that is not claimed"));

    ftdi_usb_close(ftdi);
    EXPECT_TRUE(hasFault("release of interface 0, which this handle has not claimed"));
    EXPECT_EQ(libusb_control_transfer(handle, 0x40, 0x09, 1, 1, nullptr, 0, 300), LIBUSB_ERROR_NO_DEVICE);
    EXPECT_TRUE(hasFault("libusb_control_transfer on a handle that is not open"));
    ftdi_free(ftdi);
}
