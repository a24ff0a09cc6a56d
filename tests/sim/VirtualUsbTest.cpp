// The virtual FT232R in-process behind a scripted device: its packets, its latency
// timer and the requests it refuses; then the stand-in libusb under the real libftdi,
// refusing what libusb or a real chip would refuse, and saying so.

#include "SimHarness.h"
#include "virtualusb/Ft232r.h"
#include "virtualusb/Journal.h"

#include <ftdi.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libusb.h>
#include <thread>

using namespace q7582;
using namespace q7582::vusb;
using namespace testing;

namespace {

struct ScriptedDevice : SerialSide {
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

    Ft232r chip{*this, "T"};
    // What the device sends next, what it was sent, what the last read brought.
    std::vector<std::uint8_t> reply, sent, in;
};

} // namespace

TEST(VirtualFt232r, SendsPacketsByItsLatencyTimerTakesOnlyItsDataSheetsRequestsAndFailsOnceUnplugged)
{
    ScriptedDevice device;
    ASSERT_EQ(device.read(), 0);
    EXPECT_EQ(device.in, (std::vector<std::uint8_t>{0x31, 0x60})) << "nothing waits: the status bytes alone";

    // Two full packets of 62 bytes, then a short one with the other 6 once the latency
    // timer runs out; each packet starts with the status bytes.
    for (int i = 0; i < 130; ++i)
        device.reply.push_back(std::uint8_t(i));
    std::vector<std::uint8_t> packets = device.reply;
    for (long at : {124, 62, 0})
        packets.insert(packets.begin() + at, {0x31, 0x60});
    Clock::time_point start = Clock::now();
    ASSERT_EQ(device.read(), 0);
    EXPECT_EQ(device.in, packets);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(Ft232r::DefaultLatencyMs));

    std::uint8_t request[] = {0xC0, 0x05, 0x00};
    int written = 0;
    ASSERT_EQ(device.chip.bulk(Ft232r::OutEndpoint, request, 3, &written, 300), 0);
    EXPECT_EQ(std::pair(written, device.sent), std::pair(3, std::vector<std::uint8_t>(request, request + 3)));

    device.chip.stallReads(1);
    EXPECT_EQ(device.read(50), LIBUSB_ERROR_TIMEOUT);
    EXPECT_EQ(device.read(50), 0) << "only the next read was stalled";

    device.reply.assign(20, 0x55);
    std::uint8_t small[10];
    EXPECT_EQ(device.chip.bulk(Ft232r::InEndpoint, small, 10, &written, 50), LIBUSB_ERROR_OVERFLOW);
    EXPECT_THAT(takeFaults(), Contains(HasSubstr("bulk-in buffer of 10 bytes is not a whole number of packets")));

    // Each request as the chip takes it, or its stall (recorded as a fault of the PC's side):
    // type, request, value, index, length, what the chip logs (nullptr: stalled).
    const std::tuple<std::uint8_t, std::uint8_t, std::uint16_t, std::uint16_t, std::uint16_t, const char*> cases[] = {
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
        {0xC0, 0x0A, 0, 1, 1, "get latency"}, // the 255 set above: see below
    };
    std::uint8_t data[2] = {};
    for (const auto& [type, request, value, index, length, taken] : cases) {
        SCOPED_TRACE(Message() << int(type) << " " << int(request) << " " << value << " " << index << " " << length);
        const int rc = device.chip.control(type, request, value, index, data, length);
        EXPECT_EQ(rc, !taken ? LIBUSB_ERROR_PIPE : type & 0x80 ? length : 0);
        EXPECT_EQ(takeRequests(),
                  taken ? std::vector<std::string>{std::string("T: ") + taken} : std::vector<std::string>{});
        EXPECT_EQ(takeFaults().size(), taken ? 0u : 1u);
    }
    EXPECT_EQ(data[0], 255);

    device.chip.unplug();
    EXPECT_EQ(device.read(), LIBUSB_ERROR_NO_DEVICE);
    EXPECT_EQ(device.chip.control(0x40, 0x09, 1, 1, nullptr, 0), LIBUSB_ERROR_NO_DEVICE);
}

TEST(VirtualUsb, TheStandInRefusesWhatLibusbOrTheChipWouldUnderTheRealLibftdi)
{
    simtest::SimulatorProcess sim({"--generator"}, simtest::Cable::Usb); // its chip as good as the master's
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    sim.useFromEnvironment();
    ftdi_context* ftdi = ftdi_new();
    ASSERT_EQ(ftdi_usb_open(ftdi, 0x0403, 0x6001), 0) << ftdi_get_error_string(ftdi);
    libusb_device_handle* handle = ftdi->usb_dev; // kept past the close

    EXPECT_EQ(libusb_control_transfer(handle, 0x40, 0x03, 0x4001, 0, nullptr, 0, 300), LIBUSB_ERROR_PIPE);
    EXPECT_THAT(takeFaults(), Contains(HasSubstr("stalled request 3")));

    ASSERT_EQ(libusb_release_interface(handle, 0), 0);
    const unsigned char byte = 0xC0;
    EXPECT_LT(ftdi_write_data(ftdi, &byte, 1), 0);
    EXPECT_THAT(takeFaults(), Contains(HasSubstr("bulk transfer on an interface that is not claimed")));

    ftdi_usb_close(ftdi);
    EXPECT_THAT(takeFaults(), Contains(HasSubstr("release of interface 0, which this handle has not claimed")));
    EXPECT_EQ(libusb_control_transfer(handle, 0x40, 0x09, 1, 1, nullptr, 0, 300), LIBUSB_ERROR_NO_DEVICE);
    EXPECT_THAT(takeFaults(), Contains(HasSubstr("libusb_control_transfer on a handle that is not open")));
    ftdi_free(ftdi);
}
