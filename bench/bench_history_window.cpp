// The history window on 1,000 entries: six masters, each entry a few edits away from
// the previous one of its master, plus a few that are no image. Measures building the
// rows alone (listing, reading every image, counting the differences) and building them
// with the window shown (laid out and painted, offscreen); baseline in the same run: the
// report viewer showing a report of as many lines. Prints the medians and their ratios.
// Also the site's overview (masters 0..5, newest Upload and Download each) on the same
// history. Targets: the window shown within 0.3 s, the overview within 150 ms.

#include "LaptopScreen.h"
#include "bench_google_support.h"
#include "history/HistoryRows.h"
#include "model/DefaultConfiguration.h"
#include "ui/common/Workspace.h"
#include "ui/history/HistoryWindow.h"
#include "ui/reports/ReportViewer.h"
#include "ui/sites/SiteOverview.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>

using namespace q7582;
using namespace q7582::bench;

namespace {

constexpr int Entries = 1000;
constexpr int Masters = 6;
constexpr double ShowTargetSeconds = 0.3;
constexpr double OverviewTargetSeconds = 0.15;

// The folder with its history, written once.
struct Folder {
    QTemporaryDir dir;
    Workspace workspace{dir.path().toStdString()};
    QtDialogProvider dialogs;
    ReportViewer viewer{dialogs};
    Folder()
    {
        std::mt19937 rng(7);
        std::array<ConfigImage, Masters> images;
        for (int m = 0; m < Masters; ++m)
            (void)buildDefaultConfiguration(images[std::size_t(m)], m);
        QDateTime at(QDate(2026, 1, 1), QTime(8, 0));
        for (int i = 0; i < Entries; ++i, at = at.addSecs(600)) {
            const int m = i % Masters;
            ConfigImage& image = images[std::size_t(m)];
            for (int edit = 0; edit < 3; ++edit)
                image.messageEvent(int(rng() % ConfigImage::MessageEvents) + 1).setMessageNumber(Byte(rng() % 128));
            const auto direction = i % 3 ? HistoryDirection::Download : HistoryDirection::Upload;
            if (!workspace.history().record(image, m, direction, i % 50 == 7, at).result.ok)
                std::abort();
        }
        std::ofstream(workspace.history().pathOf("notes.txt")) << "not an image";
    }
};

// Made in main(), after the application and gone before it.
Folder* theFolder = nullptr;
Folder& folder() { return *theFolder; }

std::vector<HistoryRow> buildRows()
{
    std::vector<HistoryEntry> entries;
    (void)folder().workspace.history().list(entries);
    std::vector<HistoryRow> rows;
    rows.reserve(entries.size());
    for (const HistoryEntry& e : entries)
        rows.push_back(historyRow(e));
    return rows;
}

void BM_BuildRows(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<HistoryRow> rows = buildRows();
        benchmark::DoNotOptimize(rows.data());
        state.counters["rows"] = double(rows.size());
    }
}

void BM_WindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        HistoryWindow window(folder().workspace, folder().viewer, folder().dialogs);
        window.reload();
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.findChild<QTableWidget*>()->rowCount());
    }
}

void BM_OverviewShown(benchmark::State& state)
{
    for (auto _ : state) {
        SiteOverview overview(folder().workspace, folder().viewer, folder().dialogs,
                              {[] { return std::optional(2); }, [](const QString&) {}});
        overview.reload();
        overview.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(overview.rows().size());
    }
}

// The same number of lines, one per entry, in the report viewer.
void BM_ViewerShown(benchmark::State& state)
{
    Report report;
    report.caption = QStringLiteral("History");
    for (const HistoryRow& row : buildRows())
        report.add(historyLine(row), ReportStyle::TableRow);
    for (auto _ : state) {
        folder().viewer.showReport(report);
        benchmark::DoNotOptimize(folder().viewer.richEdit()->document()->documentLayout()->documentSize());
        QApplication::processEvents();
    }
}

BENCHMARK(BM_BuildRows)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowShown)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_OverviewShown)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ViewerShown)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietOffscreen);
    test::useLaptopScreen();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Folder written; // before anything is timed
    theFolder = &written;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const double rows = reporter.medians["BM_BuildRows"], shown = reporter.medians["BM_WindowShown"],
                 viewer = reporter.medians["BM_ViewerShown"];
    if (rows > 0 && shown > 0 && viewer > 0) {
        std::printf("\nHistory of %d entries:\n", Entries + 1);
        std::printf("  rows built:                 median %8.1f ms\n", rows * 1000);
        std::printf("  window shown:               median %8.1f ms  (target <= %.0f ms: %s)\n", shown * 1000,
                    ShowTargetSeconds * 1000, shown <= ShowTargetSeconds ? "met" : "NOT met");
        std::printf("  viewer shown, same lines:   median %8.1f ms\n", viewer * 1000);
        std::printf("  window / viewer ratio:      %8.2f\n", shown / viewer);
        std::printf("  window / rows ratio:        %8.2f\n", shown / rows);
    }
    if (const double overview = reporter.medians["BM_OverviewShown"]; overview > 0 && shown > 0) {
        std::printf("  site overview shown:        median %8.1f ms  (target <= %.0f ms: %s)\n", overview * 1000,
                    OverviewTargetSeconds * 1000, overview <= OverviewTargetSeconds ? "met" : "NOT met");
        std::printf("  overview / window ratio:    %8.2f\n", overview / shown);
    }
    return 0;
}
