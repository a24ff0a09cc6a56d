// The simulated master and generator as the PC's side sees them on the pty: their
// answers, their faults, their dumps, unplugging and replugging.
// The virtual FT232R in-process behind a scripted device: its packets, its latency
// timer and the requests it refuses; then the stand-in libusb under the real libftdi,
// refusing what libusb or a real chip would refuse, and saying so.

#include "SimHarness.h"
#include "model/ConfigImage.h"
#include "model/GeneratorStatus.h"
#include "model/LegalFile.h"
#include "model/StatusBlock.h"
#include "virtualusb/Ft232r.h"
#include "virtualusb/Journal.h"

#include <QFileInfo>
#include <ftdi.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libusb.h>
#include <thread>

using namespace q7582;
using namespace q7582::simtest;
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

TEST(SimulatedMaster, IdentifiesItselfKeepsWrittenStatusPagesAndAssemblesRequests)
{
    SimulatorProcess sim({"--address", "3"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    // Noise, then a status write cut short, then a whole identify request: only the
    // identify is answered.
    ASSERT_TRUE(link.send({0x12, 0x34, Frame::Start, Frame::WriteStatus, 0x00, 0x01, 0x02}));
    EXPECT_EQ(link.exchange(Frame::Identify, 0), (std::vector<Byte>{Frame::Start, Frame::ReplyMaster, 0x00}));

    StatusBlock status;
    for (Byte p : {0, 1})
        ASSERT_EQ(link.transfer(Frame::ReadStatus, p, {}, status.page(p), StatusBlock::PageSize), TransferOk);
    // A page that does not exist gets no answer, as from the device.
    EXPECT_TRUE(link.exchange(Frame::ReadStatus, 2, {}, 300).empty());

    // Configuration blocks written are checked end to end by the link's Download.
    status.bytes[StatusBlock::MusicLevel] = 0xC0; // needs escaping on the wire
    status.setZoneMusic(1, 0, true);              // zone 7, with the PC's change mark (bit 6)
    // (A page's bytes run up to where the next page begins.)
    ASSERT_EQ(link.transfer(Frame::WriteStatus, 0, {status.page(0), status.page(1)}), TransferOk);
    status.bytes[StatusBlock::SlaveZones + 2] &= Byte(~0x40); // the master clears the PC's change mark
    EXPECT_EQ(sim.dump("status.bin").left(StatusBlock::PageSize),
              QByteArray(reinterpret_cast<const char*>(status.page(0)), StatusBlock::PageSize));

    // Page 1 sets the clock and the summer-time switch; the release stays the master's.
    const ClockTime set{2030, 6, 15, 10, 20, 30, 6};
    status.setMasterClock(set);
    status.setSummerTimeOff(true);
    status.bytes[StatusBlock::FirmwareRelease] = 9;
    ASSERT_EQ(link.transfer(Frame::WriteStatus, 1, {status.page(1), status.page(2)}), TransferOk);
    ASSERT_EQ(link.transfer(Frame::ReadStatus, 1, {}, status.page(1), StatusBlock::PageSize), TransferOk);
    // The clock stands still in a quiet simulator.
    EXPECT_TRUE(status.masterClock() == set && status.summerTimeOff() && status.firmwareRelease(0) == 2);

    // A request that arrives in two pieces is answered once, when it is complete.
    const std::vector<Byte> frame = requestFrame(Frame::WriteStatus, 0, std::vector<Byte>(StatusBlock::PageSize, 7));
    const auto half = frame.begin() + long(frame.size() / 2);
    ASSERT_TRUE(link.send({frame.begin(), half}));
    EXPECT_TRUE(link.receive(200).empty());
    ASSERT_TRUE(link.send({half, frame.end()}));
    EXPECT_EQ(link.receive(), (std::vector<Byte>{Frame::Start, Frame::WriteStatus, 0x00}));
    EXPECT_TRUE(link.receive(200).empty());
}

// The four faults, three asked for at run time and two by option. How the link takes
// each spoilt reply is the frame codec's test.
TEST(SimulatorFaults, SpoilRepliesAsAskedFromOptionsAndAtRunTime)
{
    SimulatorProcess sim({"--busy-every", "4", "--truncate-every", "5"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    Byte page[StatusBlock::PageSize];

    ASSERT_TRUE(sim.control("silence 1"));
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page, StatusBlock::PageSize, 300), TransferNoReply);
    ASSERT_TRUE(sim.control("truncate 1"));
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page, StatusBlock::PageSize), TransferLengthMismatch);
    ASSERT_TRUE(sim.control("bad-escape 1"));
    const std::vector<Byte> spoilt = link.exchange(Frame::ReadStatus, 0);
    ASSERT_GE(spoilt.size(), 5u);
    EXPECT_EQ(std::vector<Byte>(spoilt.begin() + 3, spoilt.begin() + 5), (std::vector<Byte>{Frame::Escape, 0x07}));
    EXPECT_EQ(link.exchange(Frame::ReadStatus, 1), (std::vector<Byte>{Frame::Start, Frame::ReplyBusy, 0x01}));
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page, StatusBlock::PageSize), TransferLengthMismatch);
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page, StatusBlock::PageSize), TransferOk)
        << "faults last as long as asked";
}

// The dump folder is made as the simulator starts; a file in its way ends it at once.
// Unplugged, it hangs up and removes the link, and comes back on a new pty.
TEST(SimulatorLife, MakesItsDumpFolderHangsUpWhenUnpluggedAndComesBackOnANewPty)
{
    QTemporaryDir outside;
    const QString nested = outside.filePath("dumps/master");
    SimulatorProcess sim({"--dump-dir", nested, "--unplug-after", "0.3", "--replug-after", "0.4"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    EXPECT_EQ(QFileInfo(nested + "/config.bin").size(), ConfigImage::Size);

    EXPECT_TRUE(SimLink(sim.link()).hungUp(2000)) << "the PC sees the cable pulled";
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(sim.link())));
    ASSERT_TRUE(sim.waitReady(2000)) << "no replug"; // the manager's Upload on it: the link's end-to-end test

    EXPECT_TRUE(sim.stop());
    EXPECT_FALSE(QFileInfo(QString::fromStdString(sim.link())).isSymLink()) << "the link is removed on exit";
    SimulatorProcess blocked({"--dump-dir", nested + "/config.bin/inside"});
    EXPECT_FALSE(blocked.waitReady());
    EXPECT_NE(blocked.problem().find("exited before it was ready"), std::string::npos) << blocked.problem();
}

TEST(SimulatedGenerator, PlaysStopsSetsItsClockTakesTheSummerTimeTableAndWithoutCardPlaysNothing)
{
    const auto readBlock = [](SimLink& link) {
        GeneratorStatus g;
        EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, g.data(), GeneratorStatus::Size), TransferOk);
        return g;
    };
    // Writes the block with these command bits added; the block read back.
    const auto command = [&](SimLink& link, GeneratorStatus g, Byte bits) {
        g.addCommand(bits);
        EXPECT_EQ(link.transfer(Frame::WriteStatus, 0, {g.bytes.begin(), g.bytes.end()}), TransferOk);
        return readBlock(link);
    };
    SimulatorProcess sim({"--generator"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    EXPECT_EQ(link.exchange(Frame::Identify, 0), (std::vector<Byte>{Frame::Start, Frame::ReplyGenerator, 0x00}));

    GeneratorStatus g = readBlock(link);
    EXPECT_TRUE(g.cardInserted() && g.folderFound() && g.messagePresent(10) && g.messagePresent(128));
    g.setGenPlayMessage(10);
    g = command(link, g, GeneratorStatus::CmdPlayChannels);
    // The generator clears the command bits it has obeyed.
    EXPECT_TRUE(g.playing() && g.genPlayMessage() == 10 && g.genCommand() == 0);

    EXPECT_FALSE(command(link, g, GeneratorStatus::CmdStop).playing());
    EXPECT_TRUE(command(link, g, GeneratorStatus::CmdPlayHeadphone).playing());

    const ClockTime set{2031, 2, 28, 23, 59, 30, 5};
    g.setClockFromPc(set);
    g.setSummerTimeOff(true);
    g = command(link, g, GeneratorStatus::CmdSummerTime);
    EXPECT_TRUE(g.genClock() == set && g.summerTimeOff()); // the clock stands still in a quiet simulator

    const std::array<Byte, LegalFileSize> table = builtInLegalTable();
    ASSERT_EQ(link.transfer(Frame::WriteConfig, 0, {table.begin(), table.end()}), TransferOk);
    EXPECT_EQ(readBlock(link).genLegalId(), 0x080A0E00u); // was 0x080A0D00
    // A generator holds no configuration.
    EXPECT_TRUE(link.exchange(Frame::ReadConfig, 0, {}, 300).empty());

    // Without its card it shows no messages and plays nothing.
    SimulatorProcess noCard({"--generator", "--no-card"});
    ASSERT_TRUE(noCard.waitReady()) << noCard.problem();
    SimLink bare(noCard.link());
    g = readBlock(bare);
    EXPECT_TRUE(g.mediaFlags() == 0 && !g.messagePresent(1));
    g.setGenPlayMessage(1);
    EXPECT_FALSE(command(bare, g, GeneratorStatus::CmdPlayChannels).playing());
}
