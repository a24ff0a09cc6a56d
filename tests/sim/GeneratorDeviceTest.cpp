#include "SimHarness.h"
#include "model/GeneratorStatus.h"
#include "model/LegalFile.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::simtest;

namespace {

GeneratorStatus readBlock(SimLink& link)
{
    GeneratorStatus g;
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, g.data(), GeneratorStatus::Size), TransferOk);
    return g;
}

// Writes the block with these command bits added.
void command(SimLink& link, GeneratorStatus g, Byte bits)
{
    g.addCommand(bits);
    EXPECT_EQ(link.transfer(Frame::WriteStatus, 0, {g.bytes.begin(), g.bytes.end()}), TransferOk);
}

} // namespace

TEST(SimulatedGenerator, PlaysStopsSetsItsClockAndTakesTheSummerTimeTable)
{
    SimulatorProcess sim({"--generator"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    EXPECT_EQ(link.exchange(Frame::Identify, 0), (std::vector<Byte>{Frame::Start, Frame::ReplyGenerator, 0x00}));

    GeneratorStatus g = readBlock(link);
    EXPECT_TRUE(g.cardInserted() && g.folderFound() && g.messagePresent(10) && g.messagePresent(128));
    EXPECT_FALSE(g.messagePresent(4) || g.playing());

    g.setGenPlayMessage(10);
    command(link, g, GeneratorStatus::CmdPlayChannels);
    g = readBlock(link);
    EXPECT_TRUE(g.playing());
    EXPECT_EQ(g.genPlayMessage(), 10);
    EXPECT_EQ(g.genCommand(), 0) << "the generator clears the command bits it has obeyed";
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(g.data()), GeneratorStatus::Size), sim.dump("generator.bin"));

    command(link, g, GeneratorStatus::CmdStop);
    EXPECT_FALSE(readBlock(link).playing());
    command(link, g, GeneratorStatus::CmdPlayHeadphone);
    EXPECT_TRUE(readBlock(link).playing());

    const ClockTime set{2031, 2, 28, 23, 59, 30, 5};
    g.setClockFromPc(set);
    g.setSummerTimeOff(true);
    command(link, g, GeneratorStatus::CmdSummerTime);
    g = readBlock(link);
    EXPECT_EQ(g.genClock(), set); // the clock stands still in a quiet simulator
    EXPECT_TRUE(g.summerTimeOff());

    EXPECT_EQ(g.genLegalId(), 0x080A0D00u);
    const std::array<Byte, LegalFileSize> table = builtInLegalTable();
    ASSERT_EQ(link.transfer(Frame::WriteConfig, 0, {table.begin(), table.end()}), TransferOk);
    EXPECT_EQ(readBlock(link).genLegalId(), 0x080A0E00u);
    EXPECT_EQ(sim.dump("legal.bin"), QByteArray(reinterpret_cast<const char*>(table.data()), LegalFileSize));
    // A generator holds no configuration.
    EXPECT_TRUE(link.exchange(Frame::ReadConfig, 0, {}, 300).empty());
}

TEST(SimulatedGenerator, WithoutCardShowsNoMessagesAndPlaysNothing)
{
    SimulatorProcess sim({"--generator", "--no-card"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    GeneratorStatus g = readBlock(link);
    EXPECT_EQ(g.mediaFlags(), 0);
    EXPECT_FALSE(g.messagePresent(1));
    g.setGenPlayMessage(1);
    command(link, g, GeneratorStatus::CmdPlayChannels);
    EXPECT_FALSE(readBlock(link).playing());
}
