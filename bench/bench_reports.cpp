// The largest report: desk microphones on all 16 unit addresses, about 9,000 lines; and
// the largest comparison: the default image against a random one, which differ almost
// everywhere. Measures building the lines alone, and building them and showing them in
// the viewer (laid out and painted, offscreen); prints both medians and their ratio.
// Targets: either shown within 0.5 s; the comparison's lines built within 50 ms.

#include "LaptopScreen.h"
#include "model/DefaultConfiguration.h"
#include "reports/ConfigurationComparison.h"
#include "reports/ConfigurationReports.h"
#include "reports/ReportViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>

using namespace q7582;

namespace {

constexpr double ShowTargetSeconds = 0.5;
constexpr double CompareBuildTargetSeconds = 0.05;

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

struct ComparedImages {
    ConfigImage defaults, random;
    NameTables names;
    ComparedImages()
    {
        (void)buildDefaultConfiguration(defaults, 0);
        std::mt19937 rng(11);
        for (Byte& b : random.bytes)
            b = Byte(rng());
    }
    Report compare() const
    {
        return compareConfigurations({defaults, QStringLiteral("default.cfi")}, {random, QStringLiteral("random.cfi")},
                                     names)
            .report;
    }
};

ComparedImages& comparedImages()
{
    static ComparedImages c;
    return c;
}

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

void BM_CompareLines(benchmark::State& state)
{
    for (auto _ : state) {
        Report report = comparedImages().compare();
        benchmark::DoNotOptimize(report.lines.data());
    }
}

void BM_CompareAndShow(benchmark::State& state)
{
    QtDialogProvider dialogs;
    ReportViewer viewer(dialogs);
    for (auto _ : state) {
        viewer.showReport(comparedImages().compare());
        benchmark::DoNotOptimize(viewer.richEdit()->document()->documentLayout()->documentSize());
        QApplication::processEvents();
    }
}

BENCHMARK(BM_BuildLines)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildAndShow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CompareLines)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CompareAndShow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

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

const char* met(bool ok) { return ok ? "met" : "NOT met"; }

// The two medians of one report, in ms, with their targets.
void printMedians(const char* title, std::size_t lines, double build, double shown, double buildTarget)
{
    std::printf("\n%s (%zu lines):\n", title, lines);
    if (buildTarget > 0)
        std::printf("  build lines only:     median %8.1f ms  (target <= %.0f ms: %s)\n", build * 1000,
                    buildTarget * 1000, met(build <= buildTarget));
    else
        std::printf("  build lines only:     median %8.1f ms\n", build * 1000);
    std::printf("  build and show:       median %8.1f ms  (target <= %.0f ms: %s)\n", shown * 1000,
                ShowTargetSeconds * 1000, met(shown <= ShowTargetSeconds));
    std::printf("  show / build ratio:   %8.1f\n", shown / build);
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietOffscreen);
    test::useLaptopScreen();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const double build = reporter.medians["BM_BuildLines"], shown = reporter.medians["BM_BuildAndShow"];
    if (build > 0 && shown > 0)
        printMedians("Desk microphone report, 16 units", buildDeskMicrophoneReport(fixture().sources()).lines.size(),
                     build, shown, 0);
    const double compare = reporter.medians["BM_CompareLines"], compareShown = reporter.medians["BM_CompareAndShow"];
    if (compare > 0 && compareShown > 0)
        printMedians("Comparison, default image against a random one", comparedImages().compare().lines.size(), compare,
                     compareShown, CompareBuildTargetSeconds);
    return 0;
}
