// The events' CSV and the commissioning record of a 24-hour busy recording: ten master
// reads a second, an input every 2 s answered by a message and two zones, levels and VOX
// meters moving. The recording is generated read by read as it is visited, so what is
// measured is the reports' own work; beside it, visiting the same states alone, in the
// same run. Prints the medians, their ratios to that baseline, and how much the resident
// memory grew over the CSV export (flat: no more than a few megabytes).
// Targets: the CSV of 24 hours within 5 s, the commissioning record within 1 s.

#include "bench_timing.h"
#include "recordingreports/CommissioningRecord.h"
#include "recordingreports/EventCsv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace q7582;

namespace {

constexpr qint64 DayMs = 24LL * 3600 * 1000;
constexpr qint64 ReadMs = 100;
constexpr qint64 Start = 1'780'000'000'000;

class BusyDay : public RecordedStates {
public:
    bool forEach(qint64 fromMs, qint64 toMs, const std::function<bool(const RecordedState&)>& visit,
                 QString*) const override
    {
        RecordedState s;
        s.link = RecordedLink::Master;
        s.master.bytes[StatusBlock::SlaveZones] = s.master.bytes[StatusBlock::SlaveZones + 2] = 0x80;
        s.master.bytes[StatusBlock::UnitInfo] = 0xA0;
        for (qint64 t = std::max(fromMs, Start); t < std::min(toMs, Start + DayMs); t += ReadMs) {
            const qint64 k = (t - Start) / ReadMs; // read number
            const int phase = int(k % 20);         // 2 s per activation
            const int input = int(k / 20 % 6);
            Byte* b = s.master.data();
            b[StatusBlock::InputStates] = phase < 5 ? Byte(1 << input) : 0;
            b[StatusBlock::ActiveMessage] = phase >= 3 && phase < 15 ? Byte(1 + input) : 0;
            b[StatusBlock::ActiveSource] = phase >= 3 && phase < 15 ? 0x42 : 0;
            b[StatusBlock::BusyZones] = phase >= 4 && phase < 15 ? Byte(3 << input) : 0;
            b[StatusBlock::SpeechLevel] = Byte(k / 50 % 21);
            b[StatusBlock::VoxInputMeters] = Byte(k * 7 % 21);
            s.pcTimeMs = t;
            if (!visit(s))
                return true;
        }
        return true;
    }
};

long residentKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BusyDay day;
    const NameTables names;
    const std::vector<Lane> lanes = recordingLanes(names);
    QTemporaryDir dir;
    QString error;
    qint64 visited = 0;
    const double baseline = q7582::bench::timeRuns(3,
                                                   [&](int) {
                                                       visited = 0;
                                                       day.forEach(
                                                           Start, Start + DayMs,
                                                           [&](const RecordedState&) { return ++visited > 0; }, &error);
                                                   })
                                .median
                            / 1000;
    qint64 changes = 0;
    const double tracked = q7582::bench::timeRuns(3,
                                                  [&](int) {
                                                      changes = 0;
                                                      forEachChange(
                                                          day, lanes, lanesOf(lanes), Start, Start + DayMs,
                                                          [&](const LaneChange&) { return ++changes > 0; }, &error);
                                                  })
                               .median
                           / 1000;
    const long before = residentKb();
    qint64 bytes = 0;
    const double csv = q7582::bench::timeRuns(
                           3,
                           [&](int) {
                               QFile out(dir.filePath(QStringLiteral("day.csv")));
                               if (!out.open(QIODevice::WriteOnly)
                                   || !writeEventsCsv(day, lanes, lanesOf(lanes), Start, Start + DayMs, out, &error))
                                   std::fprintf(stderr, "CSV failed: %s\n", qPrintable(error + out.errorString()));
                               bytes = out.size();
                           })
                           .median
                       / 1000;
    const long grown = residentKb() - before;
    std::size_t activations = 0;
    const double record =
        q7582::bench::timeRuns(3,
                               [&](int) {
                                   const auto acts = collectActivations(day, Start, Start + DayMs, &error);
                                   activations = acts ? acts->size() : 0;
                                   const Report r =
                                       commissioningReport(acts.value_or(std::vector<InputActivation>{}), names, Start,
                                                           Start + DayMs, QDateTime::currentDateTime());
                                   activations = std::min(activations, r.lines.size());
                               })
            .median
        / 1000;
    std::printf("24 h: %lld reads, visited alone in %.3f s (median of 3)\n", visited, baseline);
    std::printf("%lld changes of every lane followed in %.3f s median, %.1fx the visit alone\n", changes, tracked,
                tracked / baseline);
    std::printf("CSV of every lane: %.3f s median, %.1fx the visit alone, %.1f MB written, resident memory grew "
                "%ld kB (target 5 s)\n",
                csv, csv / baseline, double(bytes) / 1e6, grown);
    std::printf("commissioning record: %zu activations in %.3f s median, %.1fx the visit alone (target 1 s)\n",
                activations, record, record / baseline);
    return csv <= 5.0 && record <= 1.0 ? 0 : 1;
}
