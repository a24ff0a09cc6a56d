// The link as the program runs it (worker thread, tty backend or libftdi on the virtual
// FT232R) against the simulator, whose dump files show what reached the device. A
// Download and the generator through this path are the main window's tests with the
// simulator.

#include "BothCables.h"
#include "LinkToSimulator.h"

#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;

namespace {

QByteArray bytesOf(const Byte* data, int size) { return QByteArray(reinterpret_cast<const char*>(data), size); }

class EndToEnd : public ::testing::TestWithParam<simtest::Cable> {};

} // namespace

// What the polls read is the master's status; an unplug mid-Upload keeps the worker,
// which waits for the device and, once it is back, starts the Upload over and brings
// the master's memory. The window hears of it all on the main thread.
TEST_P(EndToEnd, PollsTheMasterAndAnUnplugRestartsTheUploadOnTheSameWorker)
{
    // At the device's own pacing: a shorter pause after a request can find the reply
    // incomplete on a loaded machine (sanitizer builds), which fails the transfer.
    LinkToSimulator run({}, 1.0, GetParam());
    std::vector<ConnectionState> states; // at every repaint of the status bar
    run.window.onCall = [&](const std::string& call) {
        if (call == "repaintStatusBar")
            states.push_back(run.shared.connectionState);
    };
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 2)); // page 1, then page 0
    // The simulator's clock ticks between a poll and the dump: a later poll catches up.
    const auto polledIsDumped = [&] {
        bool same = false;
        run.shared.withStatus(
            [&](const StatusBlock& s) { same = bytesOf(s.data(), StatusBlock::Size) == run.sim.dump("status.bin"); });
        return same;
    };
    EXPECT_TRUE(spinUntil(polledIsDumped, 5000));

    run.shared.requests.uploadRequest = true;
    ASSERT_TRUE(spinUntil([&] { return run.shared.progressPosition >= 2; })); // 16 blocks in
    ASSERT_TRUE(run.sim.control("unplug 0.5"));
    ASSERT_TRUE(
        spinUntil([&] { return run.shared.connectionState == NotConnected && run.link->reconnectTimerActive(); }));
    EXPECT_TRUE(run.link->isRunning()) << "the worker waits, it does not end";

    // Once the master answers again the Upload starts over from block 0 and completes.
    ASSERT_TRUE(run.waitCalls("uploadCompleted", 1, 30000));
    EXPECT_EQ(bytesOf(run.window.image.data(), ConfigImage::Size), run.sim.dump("config.bin"));
    EXPECT_EQ(states, (std::vector{Searching, Connected, NotConnected, Searching, Connected}));
    EXPECT_FALSE(run.link->reconnectTimerActive());
    EXPECT_EQ(std::count(run.window.threads.begin(), run.window.threads.end(), QThread::currentThread()),
              long(run.window.threads.size()))
        << "the window is called on the main thread only";
}

INSTANTIATE_TEST_SUITE_P(Cable, EndToEnd, simtest::BothCables, simtest::cableTestName);
