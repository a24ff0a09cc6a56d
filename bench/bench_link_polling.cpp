// Master status polling while idle, at the device's own pacing, against the simulator.
// Status reads per second against the pacing ideal 1 / (100 ms + 2 ms + transfer time),
// the transfer time (request out, whole reply in) measured on the same simulator just
// before the link starts; and the worker thread's CPU time while it polls.
// Targets: ratio >= 0.97; worker CPU <= 1 % of one core. Also printed: the same two
// sleeps alone on this machine now, to tell the scheduler's share of any shortfall.

#include "LinkToSimulator.h"
#include "bench_link_support.h"

#include <QCoreApplication>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace q7582;
using namespace q7582::bench;
using q7582::test::LinkToSimulator;

namespace {

constexpr int TransferRounds = 20;
constexpr int Windows = 5;
constexpr int WindowMs = 3000;
constexpr double RequestSleepMs = 100;
constexpr double ReplySleepMs = 2;

// One status read on a raw line: from the request written to the whole reply decoded.
double statusTransferMs(simtest::SimLink& line)
{
    const Clock::time_point start = Clock::now();
    if (!line.send(simtest::requestFrame(Frame::ReadStatus, 0)))
        return -1;
    std::vector<Byte> reply;
    Byte page[StatusBlock::PageSize];
    while (Frame::decodeReply(reply.data(), int(reply.size()), Frame::ReadStatus, 0, page, StatusBlock::PageSize)
           != TransferOk) {
        pollfd p{line.fd(), POLLIN, 0};
        Byte buffer[Frame::BufferSize];
        ssize_t got = 0;
        if (poll(&p, 1, 1000) != 1 || (got = ::read(line.fd(), buffer, sizeof buffer)) <= 0)
            return -1;
        reply.insert(reply.end(), buffer, buffer + got);
    }
    return msBetween(start, Clock::now());
}

// The pacing's two sleeps with nothing else, as the machine delivers them now.
double medianSleepCycleMs()
{
    std::vector<double> times;
    for (int i = 0; i < TransferRounds; ++i) {
        const Clock::time_point start = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(RequestSleepMs));
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ReplySleepMs));
        times.push_back(msBetween(start, Clock::now()));
    }
    return median(times);
}

double medianTransferMs(const std::string& path)
{
    simtest::SimLink line(path);
    std::vector<double> times;
    for (int i = 0; i < TransferRounds; ++i)
        times.push_back(statusTransferMs(line));
    return *std::min_element(times.begin(), times.end()) < 0 ? -1 : median(times);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    LinkToSimulator run;
    if (!run.sim.waitReady()) {
        std::fprintf(stderr, "%s\n", run.sim.problem().c_str());
        return 1;
    }
    const double transferMs = medianTransferMs(run.sim.link());
    if (transferMs < 0) {
        std::fprintf(stderr, "the simulator does not answer status reads\n");
        return 1;
    }
    const double sleepCycleMs = medianSleepCycleMs();
    run.startLink();
    if (!run.waitState(Connected) || !run.waitCalls("statusDisplayRefresh", 3)) {
        std::fprintf(stderr, "the link did not find the simulated master\n");
        return 1;
    }

    std::vector<double> rates, cpuPercents;
    for (int w = 0; w < Windows; ++w) {
        const int readsBefore = run.window.count("statusDisplayRefresh");
        const double cpuBefore = threadCpuMs("LinkThread");
        const Clock::time_point start = Clock::now();
        test::serveEventsFor(WindowMs);
        const double elapsedMs = msBetween(start, Clock::now());
        rates.push_back((run.window.count("statusDisplayRefresh") - readsBefore) * 1000.0 / elapsedMs);
        cpuPercents.push_back((threadCpuMs("LinkThread") - cpuBefore) * 100.0 / elapsedMs);
    }
    const bool stayedConnected = run.window.count("enableMainWindow") == 0 && run.shared.connectionState == Connected;

    std::printf("Idle polling against the simulated master, %d windows of %d ms, device pacing\n", Windows, WindowMs);
    std::printf("%-34s %9.3f ms (median of %d)\n", "status transfer time", transferMs, TransferRounds);
    printRatio("status reads per second", median(rates), "/s", "pacing ideal",
               1000.0 / (RequestSleepMs + ReplySleepMs + transferMs), ">= 0.97");
    printRatio("status reads per second", median(rates), "/s", "sleeps alone", 1000.0 / (sleepCycleMs + transferMs),
               "information");
    std::printf("%-34s %9.3f %% of one core (median; target <= 1 %%)\n", "worker CPU while polling",
                median(cpuPercents));
    std::printf("%-34s %s\n", "no failed step during the run", stayedConnected ? "yes" : "NO");
    return stayedConnected ? 0 : 1;
}
