#include "FakeDevice.h"
#include "RecordingObserver.h"
#include "link/Usb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;

namespace {

constexpr int PromptMs = 1000;

// Serves the main thread's events until pred holds or the time is up.
template <typename Pred>
bool spinUntil(Pred pred, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

class WorkerThreadTest : public ::testing::Test {
protected:
    FakeDevice device;
    LinkShared shared;
    RecordingObserver window;
    FakeChip* chip = nullptr;
    std::unique_ptr<TThreadUsb> link;

    void start(double pacing = 0.02, bool present = true)
    {
        auto owned = std::make_unique<FakeChip>();
        chip = owned.get();
        chip->setPresent(present);
        device.attach(*chip);
        link = std::make_unique<TThreadUsb>(shared, window, std::move(owned), nullptr, pacing);
        link->startLink();
    }

    // Milliseconds shutdown() took.
    qint64 timedShutdown()
    {
        QElapsedTimer clock;
        clock.start();
        link->shutdown();
        return clock.elapsed();
    }
};

} // namespace

TEST_F(WorkerThreadTest, ObserverRunsOnTheMainThreadAndShutdownWhilePollingIsPrompt)
{
    start();
    ASSERT_TRUE(spinUntil([&] { return window.count("statusDisplayRefresh") >= 3; }));
    EXPECT_EQ(shared.connectionState, Connected);
    EXPECT_LT(timedShutdown(), PromptMs);
    EXPECT_TRUE(window.allOn(QThread::currentThread()));
    EXPECT_FALSE(chip->isOpen());
    EXPECT_TRUE(link->isFinished());
}

TEST_F(WorkerThreadTest, UnpluggedDeviceSuspendsTheWorkerUntilTheReconnectTick)
{
    start(0.02, false);
    EXPECT_EQ(shared.connectionState, NotConnected);
    EXPECT_TRUE(link->reconnectTimerActive());

    chip->setPresent(true);
    ASSERT_TRUE(spinUntil([&] { return window.count("statusDisplayRefresh") >= 1; }));
    EXPECT_FALSE(link->reconnectTimerActive());

    chip->setPresent(false);
    ASSERT_TRUE(spinUntil([&] { return shared.connectionState == NotConnected && link->reconnectTimerActive(); }));
    EXPECT_FALSE(chip->isOpen());
    EXPECT_LT(timedShutdown(), PromptMs);
    EXPECT_TRUE(window.allOn(QThread::currentThread()));
}

TEST_F(WorkerThreadTest, ShutdownWithNoDeviceIsPrompt)
{
    start(1.0, false);
    EXPECT_LT(timedShutdown(), PromptMs);
    link.reset(); // a second shutdown, from the destructor, is harmless
}

TEST_F(WorkerThreadTest, ShutdownWhileSearchingIsPrompt)
{
    device.silent = true;
    start(1.0);
    ASSERT_TRUE(spinUntil([&] { return !chip->writes().empty(); }));
    EXPECT_LT(timedShutdown(), PromptMs) << "the 500 ms search sleep must not hold it up";
}

TEST_F(WorkerThreadTest, ShutdownMidUploadIsPromptAndHandsNothingOver)
{
    start(0.2);
    shared.requests.UploadRequest = true;
    ASSERT_TRUE(spinUntil([&] { return device.configBlocksServed >= 4; }));
    EXPECT_LT(timedShutdown(), PromptMs);
    EXPECT_LT(device.configBlocksServed, 128);
    EXPECT_EQ(window.count("uploadCompleted"), 0);
}

TEST_F(WorkerThreadTest, ShutdownWhileTheWorkerWaitsForTheMainThreadIsPrompt)
{
    start(0.0);
    ASSERT_TRUE(spinUntil([&] { return window.count("statusDisplayRefresh") >= 1; }));
    // The main thread is busy elsewhere: the worker blocks in its next synchronised call.
    QThread::msleep(50);
    const size_t callsBefore = window.calls.size();
    EXPECT_LT(timedShutdown(), PromptMs);
    EXPECT_EQ(window.calls.size(), callsBefore) << "nothing of the window runs once closing began";
}
