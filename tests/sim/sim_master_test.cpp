#include "SimHarness.h"
#include "model/ConfigImage.h"
#include "model/Dati.h"
#include "model/StatusBlock.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::simtest;

namespace {

std::vector<Byte> bytesOf(const QByteArray& a) { return {a.begin(), a.end()}; }

bool readPage(SimLink& link, int p, StatusBlock& into)
{
    std::vector<Byte> page(StatusBlock::PageSize);
    if (link.transfer(Frame::ReadStatus, Byte(p), {}, page) != TransferOk)
        return false;
    std::copy(page.begin(), page.end(), into.page(p));
    return true;
}

bool writePage(SimLink& link, int p, const StatusBlock& from)
{
    std::vector<Byte> none;
    return link.transfer(Frame::WriteStatus, Byte(p), {from.page(p), from.page(p) + StatusBlock::PageSize}, none)
           == TransferOk;
}

} // namespace

TEST(SimulatedMaster, IdentifiesItselfAndServesStatusPagesAndDefaultConfiguration)
{
    SimulatorProcess sim({"--address", "3"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    ASSERT_TRUE(link.isOpen());
    std::vector<Byte> none;

    EXPECT_EQ(link.transfer(Frame::Identify, 0, {}, none), TransferMaster);

    StatusBlock status;
    ASSERT_TRUE(readPage(link, 0, status));
    ASSERT_TRUE(readPage(link, 1, status));
    EXPECT_EQ(status.masterAddress(), 3);
    EXPECT_TRUE(status.slavePresent(0));
    EXPECT_FALSE(status.slavePresent(5));
    EXPECT_TRUE(status.unitIsIoCard(1));
    EXPECT_EQ(status.firmwareRelease(0), 2);
    EXPECT_EQ(status.firmwareRelease(1), 3);
    EXPECT_TRUE(status.masterClock().isValid());
    // A page that does not exist gets no answer, as from the device.
    std::vector<Byte> page(StatusBlock::PageSize);
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 2, {}, page, 300), TransferNoReply);

    ConfigImage expected;
    buildDefaultConfiguration(expected, 3);
    for (int block : {0, 1, 78, 127}) {
        std::vector<Byte> data(ConfigImage::BlockSize);
        ASSERT_EQ(link.transfer(Frame::ReadConfig, Byte(block), {}, data), TransferOk) << "block " << block;
        EXPECT_TRUE(std::equal(data.begin(), data.end(), expected.block(block))) << "block " << block;
    }
    EXPECT_EQ(sim.dump("config.bin"), QByteArray(reinterpret_cast<const char*>(expected.data()), ConfigImage::Size));
}

TEST(SimulatedMaster, KeepsWrittenStatusPagesAndConfigurationBlocks)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());

    StatusBlock status;
    ASSERT_TRUE(readPage(link, 0, status));
    status.bytes[StatusBlock::MusicLevel] = 0xC0; // needs escaping on the wire
    status.setZoneMusic(1, 0, true);              // zone 7, with the PC's change mark (bit 6)
    ASSERT_TRUE(writePage(link, 0, status));

    StatusBlock kept = status;
    kept.bytes[StatusBlock::SlaveZones + 2] &= Byte(~0x40); // the master clears the PC's change mark
    const QByteArray dumped = sim.dump("status.bin");
    ASSERT_EQ(dumped.size(), StatusBlock::Size);
    EXPECT_EQ(bytesOf(dumped.left(StatusBlock::PageSize)), std::vector<Byte>(kept.page(0), kept.page(1)));
    StatusBlock readBack;
    ASSERT_TRUE(readPage(link, 0, readBack));
    EXPECT_TRUE(std::equal(kept.page(0), kept.page(1), readBack.page(0)));

    // Page 1 sets the clock and the summer-time switch; the release stays the master's.
    ASSERT_TRUE(readPage(link, 1, status));
    const ClockTime set{2030, 6, 15, 10, 20, 30, 6};
    status.setMasterClock(set);
    status.setSummerTimeOff(true);
    status.bytes[StatusBlock::FirmwareRelease] = 9;
    ASSERT_TRUE(writePage(link, 1, status));
    ASSERT_TRUE(readPage(link, 1, readBack));
    EXPECT_EQ(readBack.masterClock(), set); // the clock stands still in a quiet simulator
    EXPECT_TRUE(readBack.summerTimeOff());
    EXPECT_EQ(readBack.firmwareRelease(0), 2);

    constexpr int Block = 53;
    std::vector<Byte> block(ConfigImage::BlockSize), none;
    for (int i = 0; i < ConfigImage::BlockSize; ++i)
        block[i] = Byte(i); // includes B5 and C0
    ASSERT_EQ(link.transfer(Frame::WriteConfig, Block, block, none), TransferOk);
    const QByteArray config = sim.dump("config.bin");
    ASSERT_EQ(config.size(), ConfigImage::Size);
    EXPECT_EQ(bytesOf(config.mid(ConfigImage::BlockSize * Block, ConfigImage::BlockSize)), block);
    std::vector<Byte> blockBack(ConfigImage::BlockSize);
    ASSERT_EQ(link.transfer(Frame::ReadConfig, Block, {}, blockBack), TransferOk);
    EXPECT_EQ(blockBack, block);
}

TEST(SimulatedMaster, AssemblesRequestsFromPiecesAndResyncsOnFrameStart)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());

    // Noise, then a status write cut short, then a whole identify request: only the
    // identify is answered.
    ASSERT_TRUE(link.send({0x12, 0x34, Frame::Start, Frame::WriteStatus, 0x00, 0x01, 0x02}));
    EXPECT_EQ(link.exchange(Frame::Identify, 0), (std::vector<Byte>{Frame::Start, Frame::ReplyMaster, 0x00}));

    // A request that arrives in two pieces is answered once, when it is complete.
    const std::vector<Byte> frame = requestFrame(Frame::WriteStatus, 0, std::vector<Byte>(StatusBlock::PageSize, 7));
    const auto half = frame.begin() + long(frame.size() / 2);
    ASSERT_TRUE(link.send({frame.begin(), half}));
    EXPECT_TRUE(link.receive(200).empty());
    ASSERT_TRUE(link.send({half, frame.end()}));
    EXPECT_EQ(link.receive(), (std::vector<Byte>{Frame::Start, Frame::WriteStatus, 0x00}));
    EXPECT_TRUE(link.receive(200).empty());
}
