// The simulated master and generator as the PC's side sees them on the pty: their
// answers, their faults, their dumps, unplugging and replugging.

#include "SimHarness.h"
#include "model/ConfigImage.h"
#include "model/GeneratorStatus.h"
#include "model/LegalFile.h"
#include "model/StatusBlock.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::simtest;

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
