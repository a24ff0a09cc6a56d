#include "FakeDevice.h"
#include "LinkToSimulator.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;

namespace {

struct RunningLink {
    FakeDevice device;
    LinkShared shared;
    RecordingObserver window;
    FakeChip* chip = nullptr;
    std::unique_ptr<LinkThread> link;

    RunningLink(double pacing, bool present, FakeDevice::Kind kind = FakeDevice::Master)
    {
        device.kind = kind;
        auto owned = std::make_unique<FakeChip>();
        chip = owned.get();
        chip->setPresent(present);
        device.attach(*chip);
        link = std::make_unique<LinkThread>(shared, window, std::move(owned), nullptr, pacing);
        link->startLink();
    }
    // True once the device was sent a request of that command.
    bool sent(Byte command)
    {
        const auto r = device.received();
        return std::any_of(r.begin(), r.end(), [&](const Frame::Request& q) { return q.command == command; });
    }
};

} // namespace

TEST(WorkerThread, ShutdownIsPromptInEveryState)
{
    constexpr int PromptMs = 300; // well under the 500 ms search sleep
    {
        RunningLink noDevice(1.0, false);
        EXPECT_TRUE(noDevice.link->reconnectTimerActive());
        EXPECT_LT(shutdownMs(*noDevice.link), PromptMs);
        EXPECT_TRUE(noDevice.link->isFinished());
    }
    {
        RunningLink searching(1.0, true);
        ASSERT_TRUE(spinUntil([&] { return searching.sent(Frame::Identify); }));
        EXPECT_LT(shutdownMs(*searching.link), PromptMs);
    }
    {
        RunningLink uploading(0.2, true);
        uploading.shared.requests.uploadRequest = true;
        ASSERT_TRUE(spinUntil([&] { return uploading.shared.progressPosition >= 1; })); // 8 blocks in
        EXPECT_LT(shutdownMs(*uploading.link), PromptMs);
        EXPECT_EQ(uploading.window.count("uploadCompleted"), 0);
        EXPECT_FALSE(uploading.chip->isOpen());
    }
    {
        RunningLink polling(0.0, true);
        ASSERT_TRUE(spinUntil([&] { return polling.window.count("statusDisplayRefresh") >= 1; }));
        // The main thread is busy elsewhere: the worker blocks in its next synchronised call.
        QThread::msleep(50);
        const size_t callsBefore = polling.window.calls.size();
        EXPECT_LT(shutdownMs(*polling.link), PromptMs);
        EXPECT_EQ(polling.window.calls.size(), callsBefore) << "nothing of the window runs once closing began";
    }
    { // the longest pause, after the summer-time table, at the device's own pacing
        RunningLink writingTable(1.0, true, FakeDevice::Generator);
        writingTable.shared.requests.legalFileWriteRequest = true;
        ASSERT_TRUE(spinUntil([&] { return writingTable.sent(Frame::WriteConfig); })); // then the 1000 ms sleep
        EXPECT_LT(shutdownMs(*writingTable.link), PromptMs);
    }
}
