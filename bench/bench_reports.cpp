// The largest report: desk microphones on all 16 unit addresses, about 9,000 lines.
// Measures building the lines alone, and building them and showing them in the viewer
// (laid out and painted, offscreen); prints both medians and their ratio. Target: the
// shown report within 0.5 s.

#include "reports/ConfigurationReports.h"
#include "reports/ReportViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

using namespace q7582;

namespace {

constexpr double TargetSeconds = 0.5;

struct Fixture {
    StatusBlock status;
    ConfigImage image;
    NameTables names;
    Fixture()
    {
        for (int u = 0; u < StatusBlock::Units; ++u) {
            status.bytes[StatusBlock::UnitInfo + u] = Byte(0x20 | (u % 8));
            for (int k = 0; k < ConfigImage::KeysPerUnit; ++k) {
                image.key(u, k).setMessageNumber(Byte((u * 39 + k) % 128));
                image.key(u, k).setOutputEvent(Byte(k % 66));
                image.key(u, k).zones().set(k % 6, k % 36 + 1);
            }
        }
    }
    ConfigReportSources sources() const { return {status, image, names, QDateTime::currentDateTime()}; }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_BuildLines(benchmark::State& state)
{
    for (auto _ : state) {
        Report report = buildDeskMicrophoneReport(fixture().sources());
        benchmark::DoNotOptimize(report.lines.data());
        state.counters["lines"] = double(report.lines.size());
    }
}

void BM_BuildAndShow(benchmark::State& state)
{
    QtDialogProvider dialogs;
    ReportViewer viewer(dialogs);
    for (auto _ : state) {
        viewer.showReport(buildDeskMicrophoneReport(fixture().sources()));
        benchmark::DoNotOptimize(viewer.richEdit()->document()->documentLayout()->documentSize());
        QApplication::processEvents();
    }
}

BENCHMARK(BM_BuildLines)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildAndShow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Keeps the medians, in seconds, as the console reporter prints them.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime() / 1000.0;
        ConsoleReporter::ReportRuns(runs);
    }
};

// The offscreen platform warns about every raise(); nothing else is filtered.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietOffscreen);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const double build = reporter.medians["BM_BuildLines"];
    const double shown = reporter.medians["BM_BuildAndShow"];
    if (build <= 0 || shown <= 0)
        return 0; // filtered out
    std::printf("\nDesk microphone report, 16 units (%zu lines):\n",
                buildDeskMicrophoneReport(fixture().sources()).lines.size());
    std::printf("  build lines only:     median %8.1f ms\n", build * 1000);
    std::printf("  build and show:       median %8.1f ms  (target <= %.0f ms: %s)\n", shown * 1000,
                TargetSeconds * 1000, shown <= TargetSeconds ? "met" : "NOT met");
    std::printf("  show / build ratio:   %8.1f\n", shown / build);
    return 0;
}
