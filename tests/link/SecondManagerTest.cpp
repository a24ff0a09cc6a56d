// Two managers on one simulator: the second is told the device is in use (the tty is
// locked, or the USB interface claimed) and keeps trying; the first keeps polling
// undisturbed.

#include "BothCables.h"
#include "LinkToSimulator.h"
#include "link/OpenFailure.h"

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;

namespace {
class SecondManager : public ::testing::TestWithParam<simtest::Cable> {};
} // namespace

TEST_P(SecondManager, SeesTheDeviceInUseWhileTheFirstKeepsPolling)
{
    LinkToSimulator first({}, 1.0, GetParam());
    ASSERT_TRUE(first.start()) << first.sim.problem();
    ASSERT_TRUE(first.waitState(Connected));

    LinkShared shared;
    RecordingObserver window;
    LinkThread second(shared, window, makeChipFromEnvironment());
    second.startLink();
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::InUse);
    EXPECT_EQ(shared.connectionState, NotConnected);
    EXPECT_TRUE(second.reconnectTimerActive());

    // A second and more of retries: the first polls on, the second never gets in.
    ASSERT_TRUE(first.waitCalls("statusDisplayRefresh", 8));
    EXPECT_EQ(first.shared.connectionState, Connected);
    EXPECT_EQ(first.shared.openFailure.load(), OpenFailure::None);
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::InUse);
    EXPECT_EQ(window.count("statusDisplayRefresh"), 0);

    // The first lets go: the second takes the device at its next retry.
    first.link->shutdown();
    EXPECT_TRUE(spinUntil([&] { return shared.connectionState == Connected; }, 5000));
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::None);
}

INSTANTIATE_TEST_SUITE_P(Cable, SecondManager, simtest::BothCables, simtest::cableTestName);
