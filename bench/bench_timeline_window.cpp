// The timeline window's plot repainted on a generated busy recording (24 hours unless an
// argument gives the hours; bench_recording_support.h), 1600 x 1000, at zooms from the
// whole recording down to one second, each at random places: the first paint of a view
// (its columns asked of the summaries) and a repaint of a view already drawn (the plot's
// kept columns). Prints the medians and the 99th percentiles. Target: p99 <= 16 ms.

#include "bench_recording_support.h"
#include "bench_timing.h"
#include "ui/common/DialogProvider.h"
#include "ui/timeline/TimelineOpener.h"
#include "ui/timeline/TimelinePlot.h"
#include "ui/timeline/TimelineWindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <random>

using namespace q7582;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double hours = argc > 1 ? std::atof(argv[1]) : 24;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("busy.q7582rec"));
    if (bench::writeBusyRecording(path, hours) < 0)
        return 1;
    QtDialogProvider dialogs;
    QWidget owner;
    TimelineOpener opener(dialogs, &owner);
    TimelineWindow* window = opener.open(path);
    if (!window)
        return 1;
    window->resize(1600, 1000);
    for (int k = 0; k < 10; ++k)
        QApplication::processEvents();
    TimelinePlot& plot = window->plot();
    const ViewSpan whole = plot.view();
    std::mt19937_64 random(7);
    std::printf("repaint of the timeline, %.0f h busy recording, %d columns\n", hours, plot.plotWidth());
    for (const qint64 length :
         {whole.length(), qint64(3'600'000), qint64(600'000), qint64(60'000), qint64(10'000), qint64(1000)}) {
        const bench::Timings first = bench::timeRuns(200, [&](int) {
            const qint64 from = whole.fromMs + qint64(random() % std::uint64_t(whole.length() - length + 1));
            plot.setView({from, from + length});
            plot.repaint();
        });
        const bench::Timings again = bench::timeRuns(200, [&](int) { plot.repaint(); });
        std::printf("view %10.1f s: new view median %6.2f ms p99 %6.2f ms; drawn again median %6.2f ms p99 %6.2f ms\n",
                    double(length) / 1000, first.median, first.p99, again.median, again.p99);
    }
    return 0;
}
