// The timeline's columns of every lane of a generated 24-hour busy recording (ten master
// reads a second, an input every 2 s answered by a message and zones, levels and VOX
// meters moving), 1400 columns wide, at zooms from the whole day down to single reads and
// at random places; and the whole status at a random instant, which the cursor shows.
// Beside them, in the same run, one status read of the file alone (the smallest query).
// Prints the medians and the 99th percentiles. Targets: a repaint's columns and the
// cursor's status within 16 ms at the 99th percentile.

#include "bench_timing.h"
#include "recorder/RecordingWriter.h"
#include "recordingreports/LaneChanges.h"
#include "recordingreports/TimelineColumns.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace q7582;

namespace {

constexpr qint64 DayMs = 24LL * 3600 * 1000;
constexpr qint64 Start = 1'780'000'000'000;
constexpr int Columns = 1400;

bool writeDay(const QString& path)
{
    QString error;
    auto writer = RecordingWriter::create(path, {"Bench", {}}, &error);
    if (!writer) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    writer->event(TapEvent::ConnectedMaster, 0, {}, Start);
    StatusBlock s;
    s.bytes[StatusBlock::SlaveZones] = s.bytes[StatusBlock::SlaveZones + 2] = 0x80;
    s.bytes[StatusBlock::UnitInfo] = 0xA0;
    for (qint64 k = 0; k < DayMs / 100; ++k) {
        const int phase = int(k % 20), input = int(k / 20 % 6);
        s.bytes[StatusBlock::InputStates] = phase < 5 ? Byte(1 << input) : 0;
        s.bytes[StatusBlock::ActiveMessage] = phase >= 3 && phase < 15 ? Byte(1 + input) : 0;
        s.bytes[StatusBlock::BusyZones] = phase >= 4 && phase < 15 ? Byte(3 << input) : 0;
        s.setSpeechLevel(Byte(k / 50 % 21));
        s.bytes[StatusBlock::VoxInputMeters] = Byte(k * 7 % 21);
        const TapStream stream = k % 10 == 9 ? TapStream::MasterPage1 : TapStream::MasterPage0;
        writer->read(stream, s.page(int(stream)), Start + 100 * k);
        // The queue is bounded: let the writer keep up rather than lose reads.
        while (k + 1 - writer->readsWritten() > RecordingWriter::QueueLimit / 2)
            QThread::msleep(1);
    }
    writer->stop();
    std::printf("24 h written: %lld reads, %lld lost, %.1f MB\n", static_cast<long long>(writer->readsWritten()),
                static_cast<long long>(writer->readsLost()), double(writer->bytesOnDisk()) / 1e6);
    return writer->readsLost() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("day.q7582rec"));
    if (!writeDay(path))
        return 1;
    QString error;
    const auto reader = RecordingReader::open(path, &error);
    if (!reader) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const NameTables names;
    const std::vector<Lane> lanes = recordingLanes(names);
    const std::vector<int> all = lanesOf(lanes);
    std::mt19937_64 random(7);
    const auto at = [&](qint64 width) { return Start + qint64(random() % std::uint64_t(DayMs - width + 1)); };
    QElapsedTimer loading;
    loading.start();
    const TimelineSummaries summaries(*reader);
    std::printf("summaries of every zoom level loaded in %lld ms\n", static_cast<long long>(loading.elapsed()));
    bool met = true;
    const bench::Timings base = bench::timeRuns(200, [&](int) { (void)reader->statusAt(at(0)); });
    for (const qint64 width : {DayMs, 3600'000LL, 600'000LL, 60'000LL, 10'000LL}) {
        const bench::Timings f = bench::timeRuns(50, [&](int) {
            const qint64 from = at(width);
            (void)summaries.columns(lanes, all, from, from + width, Columns);
        });
        std::printf("columns of %zu lanes over %lld s: median %.2f ms, p99 %.2f ms (%.1fx the status read)\n",
                    lanes.size(), static_cast<long long>(width / 1000), f.median, f.p99, f.p99 / base.median);
        met = met && f.p99 <= 16;
    }
    std::printf("cursor's status anywhere: median %.2f ms, p99 %.2f ms (target 16 ms)\n", base.median, base.p99);
    return met && base.p99 <= 16 ? 0 : 1;
}
