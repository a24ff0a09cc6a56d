#include "SimHarness.h"
#include "model/StatusBlock.h"

#include <QFileInfo>

#include <gtest/gtest.h>
#include <functional>
#include <poll.h>
#include <thread>

using namespace q7582;
using namespace q7582::simtest;

namespace {

bool waitUntil(const std::function<bool()>& condition, int ms)
{
    for (int waited = 0; waited < ms; waited += 20) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

} // namespace

TEST(SimulatorFaults, SpoilRepliesAsAskedFromOptionsAndAtRunTime)
{
    SimulatorProcess sim({"--busy-every", "2"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    std::vector<Byte> none, page(StatusBlock::PageSize);
    EXPECT_EQ(link.transfer(Frame::Identify, 0, {}, none), TransferMaster);
    EXPECT_EQ(link.exchange(Frame::ReadStatus, 1), (std::vector<Byte>{Frame::Start, Frame::ReplyBusy, 0x01}));
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page), TransferOk);
}

TEST(SimulatorFaults, RunTimeControlSilencesTruncatesAndBreaksEscapes)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    SimLink link(sim.link());
    std::vector<Byte> page(StatusBlock::PageSize);

    ASSERT_TRUE(sim.control("silence 1"));
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page, 300), TransferNoReply);
    ASSERT_TRUE(sim.control("truncate 1"));
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page), TransferLengthMismatch);
    ASSERT_TRUE(sim.control("bad-escape 1"));
    const std::vector<Byte> spoilt = link.exchange(Frame::ReadStatus, 0);
    ASSERT_GE(spoilt.size(), 5u);
    EXPECT_EQ(spoilt[3], Frame::Escape);
    EXPECT_EQ(spoilt[4], 0x07);
    EXPECT_EQ(Frame::decodeReply(spoilt.data(), int(spoilt.size()), Frame::ReadStatus, 0, page.data(), 64),
              TransferLengthMismatch);
    EXPECT_EQ(link.transfer(Frame::ReadStatus, 0, {}, page), TransferOk) << "faults last as long as asked";
}

TEST(SimulatorUnplug, HangsUpRemovesTheLinkAndComesBackOnANewPty)
{
    SimulatorProcess sim({"--unplug-after", "0.3", "--replug-after", "0.4"});
    ASSERT_TRUE(sim.waitReady()) << sim.problem();
    {
        SimLink link(sim.link());
        std::vector<Byte> none;
        EXPECT_EQ(link.transfer(Frame::Identify, 0, {}, none), TransferMaster);
        pollfd p{link.fd(), POLLIN, 0};
        ASSERT_EQ(poll(&p, 1, 2000), 1);
        EXPECT_TRUE(p.revents & POLLHUP) << "the PC sees the cable pulled";
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(sim.link())));
    }
    ASSERT_TRUE(sim.waitReady(2000)) << "no replug";
    SimLink again(sim.link());
    ASSERT_TRUE(again.isOpen());
    std::vector<Byte> none;
    EXPECT_EQ(again.transfer(Frame::Identify, 0, {}, none), TransferMaster);

    EXPECT_TRUE(sim.stop());
    EXPECT_TRUE(waitUntil([&] { return !QFileInfo(QString::fromStdString(sim.link())).isSymLink(); }, 500))
        << "the link is removed on exit";
}
