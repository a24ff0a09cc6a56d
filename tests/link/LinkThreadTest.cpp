// The link as the program runs it (worker thread, tty backend or libftdi on the virtual
// FT232R) against the simulator, whose dump files show what reached the device. A
// Download and the generator through this path are the main window's tests with the
// simulator. On libftdi alone: what the manager asks of the chip, and what it makes of
// what the real libftdi returns for a refused open, a claimed interface, a stalled read
// and other FTDI devices on the bus. And the worker alone on a fake chip: shutdown is
// prompt in every state.

#include "BothCables.h"
#include "LinkToSimulator.h"
#include "link/FtdiChip.h"
#include "virtualusb/Journal.h"

#include <QDeadlineTimer>
#include <QDir>
#include <ftdi.h>
#include <gmock/gmock.h>

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;
using simtest::Cable;

namespace {

QByteArray bytesOf(const Byte* data, int size) { return QByteArray(reinterpret_cast<const char*>(data), size); }

class EndToEnd : public ::testing::TestWithParam<Cable> {};

// The worker on a fake chip, the device behind it.
struct RunningLink {
    FakeDevice* device = nullptr; // the link's
    LinkShared shared;
    RecordingObserver window;
    std::unique_ptr<LinkThread> link;

    RunningLink(double pacing, bool present, FakeDevice::Kind kind = FakeDevice::Master)
    {
        auto owned = std::make_unique<FakeDevice>();
        device = owned.get();
        device->kind = kind;
        device->setPresent(present);
        link = std::make_unique<LinkThread>(shared, window, std::move(owned), nullptr, pacing);
        link->setObjectName("LinkThread"); // found by it in /proc
        link->startLink();
    }
    // True once the device was sent a request of that command.
    bool sent(Byte command)
    {
        const auto r = device->received();
        return std::any_of(r.begin(), r.end(), [&](const Frame::Request& q) { return q.command == command; });
    }
};

// The scheduler state of the worker thread, found by its name: 'S' while it waits.
char workerState()
{
    for (const QString& tid : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm("/proc/self/task/" + tid + "/comm"), stat("/proc/self/task/" + tid + "/stat");
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "LinkThread"
            && stat.open(QIODevice::ReadOnly)) {
            const QByteArray line = stat.readAll();
            return line.mid(line.lastIndexOf(')') + 2, 1).at(0);
        }
    }
    return '?';
}

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
    // Both pages polled; the simulator's clock ticks between a poll and the dump: a later poll catches up.
    EXPECT_TRUE(spinUntil([&] {
        return run.shared.withStatus(
            [&](const StatusBlock& s) { return bytesOf(s.data(), s.Size) == run.sim.dump("status.bin"); });
    }));

    run.shared.requests.uploadRequest = true;
    ASSERT_TRUE(spinUntil([&] { return run.shared.progressPosition >= 2; })); // 16 blocks in
    ASSERT_TRUE(run.sim.control("unplug 0.5"));
    ASSERT_TRUE(
        spinUntil([&] { return run.shared.connectionState == NotConnected && run.link->reconnectTimerActive(); }));
    // The worker waits; once the master answers again the Upload starts over from block 0 and completes.
    ASSERT_TRUE(run.waitCalls("uploadCompleted", 1, 30000));
    EXPECT_EQ(bytesOf(run.window.image.data(), ConfigImage::Size), run.sim.dump("config.bin"));
    EXPECT_EQ(states, (std::vector{Searching, Connected, NotConnected, Searching, Connected}));
    EXPECT_THAT(run.window.threads, ::testing::Each(QThread::currentThread())) << "the window runs on the main thread";

    LinkShared shared;
    RecordingObserver window;
    LinkThread second(shared, window, makeChipFromEnvironment());
    second.startLink();
    // A second and more of retries: the first polls on, the second never gets in.
    ASSERT_TRUE(run.waitCalls("statusDisplayRefresh", 8));
    EXPECT_EQ(shared.openFailure.load(), OpenFailure::InUse);
    EXPECT_EQ(window.count("statusDisplayRefresh"), 0);
    run.link->shutdown(); // the second takes the device at its next retry
    EXPECT_TRUE(spinUntil([&] { return shared.connectionState == Connected; }, 5000));
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
    EXPECT_EQ(run.window.reports.at(0).end, TransferEnd::Restarting) << "the stalled attempt was reported";

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
        FtdiChip chip; // the chip alone keeps libftdi's words for the link's log
        EXPECT_LT(chip.open(), 0);
        EXPECT_FALSE(chip.lastError().empty());
        ASSERT_TRUE(run.sim.control((std::string(fault) + " off").c_str()));
        EXPECT_TRUE(run.waitState(Connected));
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
    run.link->shutdown();
    ftdi_free(otherProgram);
}

// Prompt: it cuts the pause it finds the worker in, each case paced so that the pause is
// at least twice the bound, which leaves a loaded machine and sanitizer builds room.
TEST(WorkerThread, ShutdownIsPromptInEveryState)
{
    constexpr int PromptMs = 1000;
    {
        RunningLink noDevice(1.0, false); // waiting for the reconnect timer: no pause to cut
        EXPECT_TRUE(noDevice.link->reconnectTimerActive());
        EXPECT_LT(shutdownMs(*noDevice.link), PromptMs);
        EXPECT_TRUE(noDevice.link->isFinished());
    }
    {
        RunningLink searching(4.0, true); // 2000 ms after each search request
        ASSERT_TRUE(spinUntil([&] { return searching.sent(Frame::Identify); }));
        EXPECT_LT(shutdownMs(*searching.link), PromptMs);
    }
    {
        RunningLink uploading(0.5, true); // the rest of the Upload: about 3.5 s
        uploading.shared.requests.uploadRequest = true;
        ASSERT_TRUE(spinUntil([&] { return uploading.shared.progressPosition >= 1; })); // 8 blocks in
        EXPECT_LT(shutdownMs(*uploading.link), PromptMs);
        EXPECT_EQ(uploading.window.count("uploadCompleted"), 0);
        EXPECT_FALSE(uploading.device->isOpen());
    }
    {
        RunningLink polling(0.0, true);
        ASSERT_TRUE(spinUntil([&] { return polling.window.count("statusDisplayRefresh") >= 1; }));
        // The main thread is busy elsewhere: the worker comes to wait in its next
        // synchronised call (at this pacing nothing else makes it wait).
        const size_t callsBefore = polling.window.calls.size();
        QDeadlineTimer deadline(5000);
        while (workerState() != 'S' && !deadline.hasExpired())
            QThread::msleep(1);
        ASSERT_EQ(workerState(), 'S') << "the worker never waited for the main thread";
        EXPECT_LT(shutdownMs(*polling.link), PromptMs);
        EXPECT_EQ(polling.window.calls.size(), callsBefore) << "nothing of the window runs once closing began";
    }
    { // the longest pause, after the summer-time table: 2000 ms here
        RunningLink writingTable(2.0, true, FakeDevice::Generator);
        writingTable.shared.requests.legalFileWriteRequest = true;
        ASSERT_TRUE(spinUntil([&] { return writingTable.sent(Frame::WriteConfig); }, 15000));
        EXPECT_LT(shutdownMs(*writingTable.link), PromptMs);
    }
}
