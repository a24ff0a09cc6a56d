// Master status polling while idle, at the device's own pacing, against the simulator,
// on each cable. Status reads per second against the pacing ideal 1 / (100 ms + 2 ms +
// transfer time), the transfer time (request out, whole reply in through the chip the
// link uses, the latency timer included) measured on the same simulator just before the
// link starts; and the worker thread's CPU time while it polls.
// Then the same while a recording is written (recorder/RecordingWriter on the link's tap),
// with the recorder thread's CPU time.
// Targets: ratio >= 0.97, also while recording; worker plus recorder CPU <= 1 % of one core. Also printed: the same two
// sleeps alone on this machine now, to tell the scheduler's share of any shortfall, and
// the two cables side by side.

#include "LinkToSimulator.h"
#include "bench_link_support.h"
#include "link/LinkEngine.h"
#include "recorder/RecordingWriter.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <thread>

using namespace q7582;
using namespace q7582::bench;
using enum ConnectionState;
using q7582::test::LinkToSimulator;

namespace {

constexpr int TransferRounds = 20;
constexpr int Windows = 5;
constexpr int WindowMs = 3000;
constexpr double RequestSleepMs = 100;
constexpr double ReplySleepMs = 2;

// One status read through the chip: from the request written to the whole reply decoded.
double statusTransferMs(Chip& chip)
{
    Byte frame[Frame::BufferSize];
    const int size = Frame::buildRequest(frame, Frame::ReadStatus, 0, nullptr, 0);
    const Clock::time_point start = Clock::now();
    int written = 0;
    if (chip.write(frame, size, written) != 0)
        return -1;
    std::vector<Byte> reply;
    Byte page[StatusBlock::PageSize];
    while (Frame::decodeReply(reply.data(), int(reply.size()), Frame::ReadStatus, 0, page, StatusBlock::PageSize)
           != TransferOk) {
        int waiting = 0;
        if (chip.getStatus(waiting) != 0 || msBetween(start, Clock::now()) > 1000)
            return -1;
        Byte buffer[4 * Frame::BufferSize];
        int got = 0;
        if (waiting > 0 && chip.read(buffer, std::min<int>(waiting, sizeof buffer), got) == 0)
            reply.insert(reply.end(), buffer, buffer + got);
        else
            std::this_thread::sleep_for(std::chrono::microseconds(20));
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

// The chip opened as the link opens it, then given back for the link.
double medianTransferMs()
{
    std::unique_ptr<Chip> chip = makeChipFromEnvironment();
    LinkShared shared;
    test::RecordingObserver window;
    LinkEngine engine(*chip, shared, window, [](int) {});
    if (!engine.openDevice())
        return -1;
    std::vector<double> times;
    for (int i = 0; i < TransferRounds; ++i)
        times.push_back(statusTransferMs(*chip));
    engine.closeDevice();
    return *std::min_element(times.begin(), times.end()) < 0 ? -1 : median(times);
}

// Reads per second on one cable, its figures printed; 0 when the link failed.
double measure(simtest::Cable cable)
{
    LinkToSimulator run({}, 1.0, cable);
    if (!run.sim.waitReady()) {
        std::fprintf(stderr, "%s\n", run.sim.problem().c_str());
        return 0;
    }
    run.sim.useFromEnvironment();
    const double transferMs = medianTransferMs();
    if (transferMs < 0) {
        std::fprintf(stderr, "the simulator does not answer status reads\n");
        return 0;
    }
    const double sleepCycleMs = medianSleepCycleMs();
    run.startLink();
    if (!run.waitState(Connected) || !run.waitCalls("statusDisplayRefresh", 3)) {
        std::fprintf(stderr, "the link did not find the simulated master\n");
        return 0;
    }

    // Reads per second and CPU per window, idle or while recording.
    std::vector<double> rates, cpuPercents, recordingRates, recordingCpu, recorderCpu;
    const auto windows = [&](std::vector<double>& rate, std::vector<double>& cpu, std::vector<double>* recorder) {
        for (int w = 0; w < Windows; ++w) {
            const int readsBefore = run.window.count("statusDisplayRefresh");
            const double cpuBefore = threadCpuMs("LinkThread");
            const double recorderBefore = threadCpuMs(RecordingWriter::ThreadName);
            const Clock::time_point start = Clock::now();
            test::serveEventsFor(WindowMs);
            const double elapsedMs = msBetween(start, Clock::now());
            rate.push_back((run.window.count("statusDisplayRefresh") - readsBefore) * 1000.0 / elapsedMs);
            cpu.push_back((threadCpuMs("LinkThread") - cpuBefore) * 100.0 / elapsedMs);
            if (recorder)
                recorder->push_back((threadCpuMs(RecordingWriter::ThreadName) - recorderBefore) * 100.0 / elapsedMs);
        }
    };
    windows(rates, cpuPercents, nullptr);
    QTemporaryDir folder;
    QString error;
    auto writer = RecordingWriter::create(folder.filePath("bench.q7582rec"), {}, &error);
    if (!writer) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 0;
    }
    run.shared.tap.attach(writer.get());
    windows(recordingRates, recordingCpu, &recorderCpu);
    run.shared.tap.attach(nullptr);
    writer->stop();
    const bool stayedConnected = run.window.count("enableMainWindow") == 0 && run.shared.connectionState == Connected;

    std::printf("\n%s\n", cableTitle(cable));
    std::printf("%-34s %9.3f ms (median of %d)\n", "status transfer time", transferMs, TransferRounds);
    printRatio("status reads per second", median(rates), "/s", "pacing ideal",
               1000.0 / (RequestSleepMs + ReplySleepMs + transferMs), ">= 0.97");
    printRatio("status reads per second", median(rates), "/s", "sleeps alone", 1000.0 / (sleepCycleMs + transferMs),
               "information");
    std::printf("%-34s %9.3f %% of one core (median; target <= 1 %%)\n", "worker CPU while polling",
                median(cpuPercents));
    const double ideal = 1000.0 / (RequestSleepMs + ReplySleepMs + transferMs);
    printRatio("reads per second while recording", median(recordingRates), "/s", "pacing ideal", ideal, ">= 0.97");
    printRatio("reads per second while recording", median(recordingRates), "/s", "not recording", median(rates),
               "information");
    std::printf("%-34s %9.3f %% of one core (median; target <= 1 %% with the recorder)\n", "worker CPU while recording",
                median(recordingCpu));
    std::printf("%-34s %9.3f %% of one core (median)\n", "recorder CPU", median(recorderCpu));
    std::printf("%-34s %lld written, %lld lost\n", "reads recorded", static_cast<long long>(writer->readsWritten()),
                static_cast<long long>(writer->readsLost()));
    std::printf("%-34s %s\n", "no failed step during the run", stayedConnected ? "yes" : "NO");
    return stayedConnected ? median(rates) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("Idle polling against the simulated master, %d windows of %d ms, device pacing\n", Windows, WindowMs);
    double rates[std::size(Cables)];
    for (std::size_t i = 0; i < std::size(Cables); ++i)
        rates[i] = measure(Cables[i]);
    if (rates[0] <= 0 || rates[1] <= 0)
        return 1;
    std::printf("\n");
    printRatio("reads per second, USB against tty", rates[1], "/s", "tty", rates[0], "information");
    return 0;
}
