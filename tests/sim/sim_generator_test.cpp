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
    std::vector<Byte> data(GeneratorStatus::Size);
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, data), TransferOk);
    std::copy(data.begin(), data.end(), g.data());
    return g;
}

void writeBlock(SimLink& link, const GeneratorStatus& g)
{
    std::vector<Byte> none;
    EXPECT_EQ(link.transfer(Frame::WriteStatus, 0, {g.bytes.begin(), g.bytes.end()}, none), TransferOk);
}

} // namespace

TEST(SimulatedGenerator, PlaysStopsAndSetsItsClockOnCommand)
{
    SimulatorProcess sim({"--generator"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    std::vector<Byte> none;
    EXPECT_EQ(link.transfer(Frame::Identify, 0, {}, none), TransferGenerator);

    GeneratorStatus g = readBlock(link);
    EXPECT_TRUE(g.cardInserted());
    EXPECT_TRUE(g.folderFound());
    EXPECT_TRUE(g.messagePresent(10));
    EXPECT_TRUE(g.messagePresent(128));
    EXPECT_FALSE(g.messagePresent(4));
    EXPECT_FALSE(g.playing());

    g.setGenPlayMessage(10);
    g.addCommand(GeneratorStatus::CmdPlayChannels);
    writeBlock(link, g);
    g = readBlock(link);
    EXPECT_TRUE(g.playing());
    EXPECT_EQ(g.genPlayMessage(), 10);
    EXPECT_EQ(g.genCommand(), 0) << "the generator clears the command bits it has obeyed";
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(g.data()), GeneratorStatus::Size), sim.dump("generator.bin"));

    g.addCommand(GeneratorStatus::CmdStop);
    writeBlock(link, g);
    EXPECT_FALSE(readBlock(link).playing());

    g.setGenPlayMessage(4); // not on the card
    g.addCommand(GeneratorStatus::CmdPlayHeadphone);
    writeBlock(link, g);
    EXPECT_FALSE(readBlock(link).playing());

    const ClockTime set{2031, 2, 28, 23, 59, 30, 5};
    g.setClockFromPc(set);
    g.setSummerTimeOff(true);
    g.addCommand(GeneratorStatus::CmdSummerTime);
    writeBlock(link, g);
    g = readBlock(link);
    EXPECT_EQ(g.genClock(), set); // the clock stands still in a quiet simulator
    EXPECT_TRUE(g.summerTimeOff());
}

TEST(SimulatedGenerator, TakesSummerTimeTableAndReportsItsVersion)
{
    SimulatorProcess sim({"--generator"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    EXPECT_EQ(readBlock(link).genLegalId(), 0x080A0D00u);

    const std::array<Byte, LegalFileSize> table = builtInLegalTable();
    std::vector<Byte> none;
    ASSERT_EQ(link.transfer(Frame::WriteConfig, 0, {table.begin(), table.end()}, none), TransferOk);
    EXPECT_EQ(readBlock(link).genLegalId(), 0x080A0E00u);
    EXPECT_EQ(sim.dump("legal.bin"), QByteArray(reinterpret_cast<const char*>(table.data()), LegalFileSize));
    // A generator holds no configuration.
    std::vector<Byte> block(256);
    EXPECT_EQ(link.transfer(Frame::ReadConfig, 0, {}, block, 300), TransferNoReply);
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
    g.addCommand(GeneratorStatus::CmdPlayChannels);
    writeBlock(link, g);
    EXPECT_FALSE(readBlock(link).playing());
}
