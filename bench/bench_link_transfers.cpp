// Upload and Download of the whole configuration at the device's own pacing, against
// the simulated master, on each cable: wall time from the transfer's start (the window
// disabled) to its completion, against the pacing floors 128 x 62 ms and 128 x 65 ms,
// and the two cables side by side. Target: ratio <= 1.03.

#include "LinkToSimulator.h"
#include "bench_link_support.h"

#include <QCoreApplication>

using namespace q7582;
using namespace q7582::bench;
using enum ConnectionState;
using q7582::test::LinkToSimulator;

namespace {

constexpr int Runs = 3;
constexpr int TransferTimeoutMs = 30000;
constexpr double UploadFloorMs = ConfigImage::BlockCount * (60 + 2);
constexpr double DownloadFloorMs = ConfigImage::BlockCount * (60 + 5);

struct Transfer {
    const char* name;
    std::atomic<bool>& request;
    const char* completion;
    double floorMs;
};

// Wall times of Runs transfers; empty when one did not complete.
std::vector<double> timeTransfers(LinkToSimulator& run, const Transfer& transfer, Clock::time_point& started,
                                  Clock::time_point& completed)
{
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        transfer.request = true;
        if (!run.waitCalls(transfer.completion, 1, TransferTimeoutMs))
            return {};
        times.push_back(msBetween(started, completed));
        test::serveEventsFor(300); // a few polls between transfers
    }
    return times;
}

// Upload and Download medians on one cable, printed; empty when the link failed.
std::vector<double> measure(simtest::Cable cable)
{
    LinkToSimulator run({}, 1.0, cable);
    Clock::time_point started, completed;
    int searches = 0;
    run.window.onCall = [&](const std::string& call) {
        if (call == "disableMainWindow")
            started = Clock::now();
        else if (call == "uploadCompleted" || call == "downloadCompleted")
            completed = Clock::now();
        else if (call == "repaintStatusBar" && run.shared.connectionState == Searching)
            ++searches;
    };
    if (!run.start() || !run.waitState(Connected)) {
        std::fprintf(stderr, "the link did not find the simulated master: %s\n", run.sim.problem().c_str());
        return {};
    }
    const int searchesBefore = searches;

    std::printf("\n%s\n", cableTitle(cable));
    const Transfer transfers[] = {
        {"Upload wall time", run.shared.requests.uploadRequest, "uploadCompleted", UploadFloorMs},
        {"Download wall time", run.shared.requests.downloadRequest, "downloadCompleted", DownloadFloorMs},
    };
    std::vector<double> medians;
    for (const Transfer& transfer : transfers) {
        const std::vector<double> times = timeTransfers(run, transfer, started, completed);
        if (times.empty()) {
            std::fprintf(stderr, "%s: a transfer did not complete\n", transfer.name);
            return {};
        }
        medians.push_back(median(times));
        printRatio(transfer.name, medians.back(), "ms", "floor", transfer.floorMs, "<= 1.03");
    }
    const int restarts = searches - searchesBefore;
    std::printf("%-34s %d\n", "failed steps (new ID searches)", restarts);
    return restarts == 0 ? medians : std::vector<double>{};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("Configuration transfers against the simulated master, median of %d each, device pacing\n", Runs);
    const std::vector<double> tty = measure(simtest::Cable::Tty);
    const std::vector<double> usb = measure(simtest::Cable::Usb);
    if (tty.empty() || usb.empty())
        return 1;
    std::printf("\n");
    printRatio("Upload, USB against tty", usb[0], "ms", "tty", tty[0], "information");
    printRatio("Download, USB against tty", usb[1], "ms", "tty", tty[1], "information");
    return 0;
}
