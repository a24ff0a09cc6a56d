// The main thread's responsiveness with the real window linked to the simulated master
// (tty chip, device pacing, the master's life running): how late a 1 ms timer fires
// while the link polls and during a whole Upload, against the same measurement with no
// link, in interleaved rounds. Also the status display refreshes the link asked for.
// Also the main thread's own CPU time between two ticks, which the machine's other loads
// do not lengthen. Target: the loop never comes back more than 16 ms late (max).

#include "LaptopScreen.h"
#include "SimHarness.h"
#include "bench_window_support.h"
#include "link/Chip.h"

#include <QApplication>
#include <QTemporaryDir>

using namespace q7582;
using namespace q7582::bench;

namespace {

constexpr int Rounds = 3;
constexpr int BaselineMs = 10000;
constexpr int PollingMs = 10000;
constexpr int ConnectTimeoutMs = 5000;
constexpr int UploadTimeoutMs = 30000;
constexpr int AfterUploadMs = 100;

struct Samples {
    std::vector<double> idle, polling, upload, uploadMs;
    std::vector<double> idleBusy, pollingBusy, uploadBusy; // main thread CPU between ticks
    int failedUploads = 0;
};

// One round: no link, then the link polling, then one Upload; false when the link failed.
bool round(TimedWindow& window, LoopLatency& probe, Samples& s)
{
    append(s.idle, probe.measureFor(BaselineMs));
    append(s.idleBusy, probe.busyMs());
    window.startLink(makeChipFromEnvironment());
    const int refreshesBefore = window.refreshes;
    probe.measureUntil([&] { return window.refreshes >= refreshesBefore + 3; }, ConnectTimeoutMs); // not counted
    if (window.shared().connectionState != ConnectionState::Connected)
        return false;
    append(s.polling, probe.measureFor(PollingMs));
    append(s.pollingBusy, probe.busyMs());

    const int uploadsBefore = window.uploads, searchesBefore = window.searches;
    const Clock::time_point asked = Clock::now();
    window.shared().requests.uploadRequest = true; // as the Upload command does
    // Until the window is enabled again, completed or not, and the repaint that follows.
    const std::vector<double> upload =
        probe.measureUntil([&] { return window.enabledAt > asked && window.centralWidget()->isEnabled(); },
                           UploadTimeoutMs, AfterUploadMs);
    const bool completed = window.uploads > uploadsBefore;
    append(s.upload, upload);
    append(s.uploadBusy, probe.busyMs());
    if (completed)
        s.uploadMs.push_back(msBetween(asked, window.enabledAt));
    else
        ++s.failedUploads;
    const size_t worst = size_t(std::max_element(upload.begin(), upload.end()) - upload.begin());
    std::printf("Upload %s: worst lateness %.3f ms (main thread running %.3f ms of it), starting %+.1f ms after "
                "the window was disabled, %+.1f ms after it was enabled; %d new searches\n",
                completed ? "completed" : "FAILED", upload[worst], probe.busyMs()[worst],
                msBetween(window.disabledAt, probe.worstFrom()), msBetween(window.enabledAt, probe.worstFrom()),
                window.searches - searchesBefore);
    window.stopLink();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    test::useLaptopScreen();
    QApplication app(argc, argv);
    simtest::SimulatorProcess sim;
    if (!sim.waitReady() || !sim.control("life on")) {
        std::fprintf(stderr, "%s\n", sim.problem().c_str());
        return 1;
    }
    qputenv("Q7582_PORT", QByteArray::fromStdString(sim.link()));

    QTemporaryDir dir;
    LinkShared shared;
    Workspace workspace(dir.path().toStdString());
    TimedWindow window(shared, workspace);
    window.show();
    runLoopFor(200);

    LoopLatency probe;
    Samples s;
    for (int r = 0; r < Rounds; ++r) {
        if (!round(window, probe, s)) {
            std::fprintf(stderr, "round %d: the link did not poll\n", r + 1);
            return 1;
        }
    }

    std::printf("Main thread latency (1 ms timer, lateness per tick), real window linked to the simulated master,\n"
                "%d interleaved rounds: %d ms no link, %d ms polling, one Upload; platform %s\n",
                Rounds, BaselineMs, PollingMs, qPrintable(QApplication::platformName()));
    printSpread("no link (baseline)", s.idle, "information");
    printSpread("polling", s.polling, "max <= 16");
    printSpread("Upload", s.upload, "max <= 16");
    const double idleP99 = percentile(s.idle, 99);
    printRatio("p99 polling", percentile(s.polling, 99), "ms", "no link", idleP99, "information");
    printRatio("p99 Upload", percentile(s.upload, 99), "ms", "no link", idleP99, "information");
    std::printf("%-40s %.0f ms (median; request to the window enabled); %d of %d failed\n", "Upload wall time",
                median(s.uploadMs), s.failedUploads, Rounds);
    std::printf("Main thread CPU time between two ticks (its own work, whatever the machine's load)\n");
    printSpread("no link (baseline)", s.idleBusy, "information");
    printSpread("polling", s.pollingBusy, "max <= 16");
    printSpread("Upload", s.uploadBusy, "max <= 16");
    printSpread("status display refresh, link's calls", window.refreshMs, "median <= 1, p99 <= 4");
    printSpread("window disabled or enabled, the call", window.enablingMs, "information");
    const auto under16 = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()) <= 16; };
    std::printf("%-40s %s\n", "no stall over 16 ms", under16(s.polling) && under16(s.upload) ? "yes" : "NO");
    std::printf("%-40s %s\n", "no main thread work over 16 ms",
                under16(s.pollingBusy) && under16(s.uploadBusy) ? "yes" : "NO");
    return 0;
}
