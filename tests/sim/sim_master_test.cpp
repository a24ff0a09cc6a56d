#include "SimHarness.h"
#include "model/ConfigImage.h"
#include "model/Dati.h"
#include "model/StatusBlock.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::simtest;

namespace {

std::vector<Byte> bytesOf(const QByteArray& a) { return {a.begin(), a.end()}; }

} // namespace

TEST(SimulatedMaster, IdentifiesItselfAndServesStatusPagesAndDefaultConfiguration)
{
    SimulatorProcess sim({"--address", "3"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    ASSERT_TRUE(link.isOpen());
    std::vector<Byte> none;

    EXPECT_EQ(link.transfer(Frame::Identify, 0, {}, none), TransferMaster);

    std::vector<Byte> page0(StatusBlock::PageSize), page1(StatusBlock::PageSize);
    ASSERT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page0), TransferOk);
    ASSERT_EQ(link.transfer(Frame::ReadStatus, 1, {}, page1), TransferOk);
    StatusBlock status;
    std::copy(page0.begin(), page0.end(), status.page(0));
    std::copy(page1.begin(), page1.end(), status.page(1));
    EXPECT_EQ(status.masterAddress(), 3);
    EXPECT_TRUE(status.slavePresent(0));
    EXPECT_FALSE(status.slavePresent(5));
    EXPECT_TRUE(status.unitIsIoCard(1));
    EXPECT_EQ(status.firmwareRelease(0), 2);
    EXPECT_EQ(status.firmwareRelease(1), 3);
    EXPECT_TRUE(status.masterClock().isValid());
    // A page that does not exist gets no answer, as from the device.
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 2, {}, page0, 300), TransferNoReply);

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
    std::vector<Byte> none;

    std::vector<Byte> page0(StatusBlock::PageSize);
    ASSERT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page0), TransferOk);
    page0[StatusBlock::MusicLevel] = 0xC0; // needs escaping on the wire
    page0[StatusBlock::SlaveZones + 2] |= 0x40 | 0x01; // music flag of zone 7, marked as changed by the PC
    ASSERT_EQ(link.transfer(Frame::WriteStatus, 0, page0, none), TransferOk);

    std::vector<Byte> kept = page0;
    kept[StatusBlock::SlaveZones + 2] &= Byte(~0x40); // the master clears the PC's change mark
    const std::vector<Byte> dumped = bytesOf(sim.dump("status.bin"));
    ASSERT_EQ(dumped.size(), size_t(StatusBlock::Size));
    EXPECT_EQ(std::vector<Byte>(dumped.begin(), dumped.begin() + StatusBlock::PageSize), kept);
    std::vector<Byte> readBack(StatusBlock::PageSize);
    ASSERT_EQ(link.transfer(Frame::ReadStatus, 0, {}, readBack), TransferOk);
    EXPECT_EQ(readBack, kept);

    std::vector<Byte> block(ConfigImage::BlockSize);
    for (int i = 0; i < ConfigImage::BlockSize; ++i)
        block[i] = Byte(i); // includes B5 and C0
    ASSERT_EQ(link.transfer(Frame::WriteConfig, 0xB5 - 0x80, block, none), TransferOk);
    const QByteArray config = sim.dump("config.bin");
    ASSERT_EQ(config.size(), ConfigImage::Size);
    const int at = ConfigImage::BlockSize * (0xB5 - 0x80);
    EXPECT_EQ(bytesOf(config.mid(at, ConfigImage::BlockSize)), block);
    std::vector<Byte> blockBack(ConfigImage::BlockSize);
    ASSERT_EQ(link.transfer(Frame::ReadConfig, 0xB5 - 0x80, {}, blockBack), TransferOk);
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
