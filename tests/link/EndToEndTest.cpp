// The link as the program runs it (worker thread, tty backend or libftdi on the virtual
// FT232R) against the simulator, whose dump files show what reached the device. A
// Download and the generator through this path are the main window's tests with the
// simulator. On libftdi alone: what the manager asks of the chip, and what it makes of
// what the real libftdi returns for a refused open, a claimed interface, a stalled read
// and other FTDI devices on the bus.

#include "BothCables.h"
#include "LinkToSimulator.h"
#include "link/FtdiChip.h"
#include "virtualusb/Journal.h"

#include <ftdi.h>
#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;
using simtest::Cable;

namespace {

QByteArray bytesOf(const Byte* data, int size) { return QByteArray(reinterpret_cast<const char*>(data), size); }

class EndToEnd : public ::testing::TestWithParam<Cable> {};

} // namespace

// What the polls read is the master's status; an unplug mid-Upload keeps the worker,
// which waits for the device and, once it is back, starts the Upload over and brings
// the master's memory. The window hears of it all on the main thread. A second manager
// is then told the device is in use (the tty is locked, or the USB interface claimed)
// and keeps trying while the first polls on undisturbed, until the first lets go.
TEST_P(EndToEnd, PollsTheMasterAnUnplugRestartsTheUploadAndASecondManagerWaitsItsTurn)
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
            [&](const StatusBlock& s) { same = bytesOf(s.data(), s.Size) == run.sim.dump("status.bin"); });
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

    LinkShared shared;
    RecordingObserver window;
    LinkThread second(shared, window, makeChipFromEnvironment());
    second.startLink();
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::InUse);
    EXPECT_EQ(shared.connectionState, NotConnected);
    EXPECT_TRUE(second.reconnectTimerActive());
    // A second and more of retries: the first polls on, the second never gets in.
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 8));
    EXPECT_EQ(run.shared.connectionState, Connected);
    EXPECT_EQ(run.shared.openFailure.load(), OpenFailure::None);
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::InUse);
    EXPECT_EQ(window.count("statusDisplayRefresh"), 0);
    run.link->shutdown(); // the second takes the device at its next retry
    EXPECT_TRUE(spinUntil([&] { return shared.connectionState == Connected; }, 5000));
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::None);
}

INSTANTIATE_TEST_SUITE_P(Cable, EndToEnd, simtest::BothCables, simtest::cableTestName);

// libftdi's open resets the chip and sets 9600 baud; the link then resets, purges both
// ways and sets the latency timer to 1 ms. Nothing else: no data format, no flow control.
// A read the chip never answers ends at the link's 300 ms timeout: the Upload under way
// starts again and completes.
TEST(FtdiChip, OpensWithTheRequestsTheLinkNeedsAndAStalledReadRestartsTheUpload)
{
    vusb::takeRequests();
    LinkToSimulator run({}, 1.0, Cable::Usb);
    ASSERT_TRUE(run.start()) << run.sim.problem();
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 2));
    EXPECT_EQ(vusb::takeRequests(),
              (std::vector<std::string>{"Q7582M0: reset", "Q7582M0: baud 9600", "Q7582M0: reset",
                                        "Q7582M0: purge output", "Q7582M0: purge input", "Q7582M0: latency 1"}));

    run.shared.requests.uploadRequest = true;
    ASSERT_TRUE(spinUntil([&] { return run.shared.progressPosition >= 1; }));
    ASSERT_TRUE(run.sim.control("stall 2"));
    ASSERT_TRUE(run.waitCalls("uploadCompleted", 1, 30000));
    EXPECT_EQ(bytesOf(run.window.image.data(), ConfigImage::Size), run.sim.dump("config.bin"));
    ASSERT_EQ(run.window.reports.size(), 1u);
    EXPECT_EQ(run.window.reports[0].end, TransferEnd::Restarting) << "the stalled attempt was reported";

    vusb::takeRequests();
    run.link->shutdown();
    EXPECT_EQ(vusb::takeRequests(), std::vector<std::string>{}) << "closing sends nothing";
}

// The hint in the status bar comes from what libftdi really returns: -4 with EACCES
// for a node we may not open, -5 for an interface another program has claimed.
TEST(FtdiChip, ARefusedOpenIsNoAccessAndAClaimedInterfaceInUseUntilTheyClear)
{
    for (const auto& [fault, expected] :
         {std::pair{"refuse-open", OpenFailure::NoAccess}, {"claim-busy", OpenFailure::InUse}}) {
        SCOPED_TRACE(fault);
        LinkToSimulator run({}, 1.0, Cable::Usb);
        ASSERT_TRUE(run.sim.waitReady()) << run.sim.problem();
        ASSERT_TRUE(run.sim.control((std::string(fault) + " on").c_str()));
        run.startLink();
        EXPECT_EQ(run.shared.openFailure.load(), expected);
        EXPECT_EQ(run.shared.connectionState, NotConnected);
        FtdiChip chip; // the chip alone keeps libftdi's words for the link's log
        EXPECT_LT(chip.open(), 0);
        EXPECT_EQ(chip.openFailure(), expected);
        EXPECT_FALSE(chip.lastError().empty());
        ASSERT_TRUE(run.sim.control((std::string(fault) + " off").c_str()));
        EXPECT_TRUE(run.waitState(Connected));
        EXPECT_EQ(run.shared.openFailure.load(), OpenFailure::None);
    }
}

// Other FTDI devices on the bus, listed before the master once it is plugged in again:
// one of another kind with nothing behind it, and an FT232R another program holds. The
// manager gives up the silent one after a few searches, passes the held one by, and
// finds the master.
TEST(FtdiChip, FindsTheMasterBehindOtherFtdiDevices)
{
    LinkToSimulator run({}, 1.0, Cable::Usb);
    ASSERT_TRUE(run.sim.waitReady()) << run.sim.problem();
    for (const char* line : {"add-device 0403:6010", "add-device 0403:6001 FT000002", "unplug 0.2"})
        ASSERT_TRUE(run.sim.control(line));
    ASSERT_TRUE(run.sim.waitReady());
    run.sim.useFromEnvironment();
    ftdi_context* otherProgram = ftdi_new();
    ASSERT_EQ(ftdi_usb_open_desc(otherProgram, 0x0403, 0x6001, nullptr, "FT000002"), 0);

    run.startLink();
    EXPECT_TRUE(run.waitState(Connected, 10000)) << "only the master answers the search";
    EXPECT_EQ(run.shared.openFailure.load(), OpenFailure::None);
    run.link->shutdown();
    ftdi_free(otherProgram);
}
