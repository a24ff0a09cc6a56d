// The default path: libftdi (Debian's libftdi1.a, unmodified) on the virtual FT232R,
// with the simulator behind it. What the manager asks of the chip, and what it makes of
// what the real libftdi returns for a refused open, a claimed interface, a stalled read
// and other FTDI devices on the bus.

#include "link/FtdiChip.h"
#include "LinkToSimulator.h"
#include "link/OpenFailure.h"
#include "virtualusb/Journal.h"

#include <ftdi.h>
#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;
using enum ConnectionState;
using simtest::Cable;

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
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(run.window.image.data()), ConfigImage::Size),
              run.sim.dump("config.bin"));
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
    const std::pair<const char*, OpenFailure> cases[] = {{"refuse-open", OpenFailure::NoAccess},
                                                         {"claim-busy", OpenFailure::InUse}};
    for (const auto& [fault, expected] : cases) {
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
    ASSERT_TRUE(run.sim.control("add-device 0403:6010"));
    ASSERT_TRUE(run.sim.control("add-device 0403:6001 FT000002"));
    ASSERT_TRUE(run.sim.control("unplug 0.2"));
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
