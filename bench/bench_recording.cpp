// A generated 24-hour recording of a busy site (bench_recording_support.h): its size on
// disk, the time to open it, the whole status at random instants, the summaries for the
// whole day at a screen's resolution, and the CPU the recorder spent per recorded second.
// Targets: <= 50 MB; open <= 500 ms; CPU of process and recorder <= 1 % of the recorded time.

#include "bench_link_support.h"
#include "bench_recording_support.h"
#include "recorder/RecordingReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <random>
#include <sys/resource.h>

using namespace q7582;
using namespace q7582::bench;

namespace {

double processCpuMs()
{
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const double hours = argc > 1 ? std::atof(argv[1]) : 24;
    QTemporaryDir folder;
    const QString path = folder.filePath("day.q7582rec");
    const double cpuBefore = processCpuMs();
    const Clock::time_point written = Clock::now();
    const std::int64_t reads = writeBusyRecording(path, hours);
    if (reads < 0)
        return 1;
    const double writeCpuMs = processCpuMs() - cpuBefore;
    std::printf("Busy recording of %.1f hours: %lld reads, written in %.1f s\n", hours, static_cast<long long>(reads),
                msBetween(written, Clock::now()) / 1000);
    printRatio("size on disk", QFileInfo(path).size() / 1e6, "MB", "target", 50.0 * hours / 24, "<= 1");
    printRatio("CPU per recorded second", writeCpuMs * 100 / (hours * 3.6e6), "%", "target", 1.0,
               "<= 1 (generation included)");

    std::vector<double> opens;
    std::unique_ptr<RecordingReader> reader;
    QString error;
    for (int i = 0; i < 5; ++i) {
        reader.reset();
        const Clock::time_point start = Clock::now();
        reader = RecordingReader::open(path, &error);
        opens.push_back(msBetween(start, Clock::now()));
        if (!reader) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 1;
        }
    }
    printRatio("open", median(opens), "ms", "target", 500, "<= 1");

    std::mt19937 random(1);
    std::vector<double> instants;
    const TimeSpan span = reader->span();
    for (int i = 0; i < 200; ++i) {
        const std::int64_t at = span.firstMs + std::int64_t(random() % std::uint64_t(span.lastMs - span.firstMs + 1));
        const Clock::time_point start = Clock::now();
        const RecordedStatus status = reader->statusAt(at);
        instants.push_back(msBetween(start, Clock::now()));
        if (status.readMs[0] < 0)
            return 1;
    }
    std::sort(instants.begin(), instants.end());
    printRatio("status at an instant, p99", instants[instants.size() * 99 / 100], "ms", "target", 16, "<= 1");
    std::vector<double> zooms;
    std::size_t pieces = 0;
    for (int i = 0; i < 20; ++i) {
        const Clock::time_point start = Clock::now();
        pieces =
            reader->summaries(TapStream::MasterPage0, span.firstMs, span.lastMs, (span.lastMs - span.firstMs) / 1400)
                .size();
        zooms.push_back(msBetween(start, Clock::now()));
    }
    std::printf("%-34s %zu pieces\n", "summaries of the whole span", pieces);
    printRatio("summaries for 1400 pixels", median(zooms), "ms", "target", 16, "<= 1");
    return 0;
}
