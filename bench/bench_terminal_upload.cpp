// `qs7582 upload` against the window's Upload, each a whole process on the simulated
// master, in turn (command, window, command, ...), each in a fresh folder:
// - the command: the program itself, from its start to its exit with the image in the
//   history;
// - the window's Upload, same run: this program as a child doing what main.cpp does
//   (the window shown, the link started 500 ms later), then "Upload" as soon as the
//   master has told its address, ending when the image is in memory and in the history.
// Prints each side's median wall time and the median of the pairwise ratios, also
// against the window less main.cpp's fixed 500 ms, which the command does not wait.
// Target: the command within 3 % of the window (ratio <= 1.03).

#include "LaptopScreen.h"
#include "SimHarness.h"
#include "bench_link_support.h"
#include "link/Chip.h"
#include "model/DefaultConfiguration.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>

using namespace q7582;
using namespace q7582::bench;

namespace {

constexpr int Runs = 5;
constexpr double RatioTarget = 1.03;
constexpr int TimeoutMs = 60000;
constexpr int LinkDelayMs = 500; // main.cpp's wait before the link starts
const char* const ChildOption = "--window-upload";

// ---- Child: the window, its Upload, and the end.

int windowUpload(int argc, char** argv)
{
    test::useLaptopScreen();
    QApplication app(argc, argv);
    LinkShared shared;
    Workspace workspace;
    MainWindow window(shared, workspace);
    (void)buildDefaultConfiguration(workspace.config(), 0);
    window.captionRefresh();
    window.show();
    QTimer::singleShot(LinkDelayMs, &window, [&window] { window.startLink(makeChipFromEnvironment()); });
    QTimer watch; // the click as soon as it can be, the end once the Upload is in
    bool clicked = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!clicked && window.connectedMasterAddress()) {
            clicked = true;
            window.findChild<QAction*>(QStringLiteral("Edit1"))->trigger();
        } else if (clicked && workspace.provenance().origin == ConfigOrigin::OriginMaster) {
            window.stopLink();
            app.quit();
        }
    });
    watch.start(1);
    return app.exec();
}

// ---- Parent.

double wallMs(const QString& program, const QStringList& arguments, const simtest::SimulatorProcess& sim)
{
    QTemporaryDir folder;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("Q7582_PORT"), QString::fromStdString(sim.link()));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder.path());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const Clock::time_point start = Clock::now();
    p.start(program, arguments);
    const bool ended = p.waitForFinished(TimeoutMs);
    const double ms = msBetween(start, Clock::now());
    const bool kept = !QDir(folder.filePath(QStringLiteral("history"))).entryList(QDir::Files).isEmpty();
    return ended && p.exitCode() == 0 && kept ? ms : -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], ChildOption) == 0)
        return windowUpload(argc, argv);

    QCoreApplication app(argc, argv);
    simtest::SimulatorProcess sim;
    if (!sim.waitReady()) {
        std::fprintf(stderr, "no simulator: %s\n", sim.problem().c_str());
        return 1;
    }
    const QString command = QFileInfo(QCoreApplication::applicationFilePath()).dir().filePath(QStringLiteral("qs7582"));
    std::vector<double> commandMs, windowMs, ratios, ratiosWithoutWait;
    for (int run = 0; run < Runs; ++run) {
        const double c = wallMs(command, {QStringLiteral("upload")}, sim);
        const double w = wallMs(QCoreApplication::applicationFilePath(), {ChildOption}, sim);
        if (c < 0 || w < 0) {
            std::fprintf(stderr, "run %d failed (command %.0f ms, window %.0f ms)\n", run, c, w);
            return 1;
        }
        commandMs.push_back(c);
        windowMs.push_back(w);
        ratios.push_back(c / w);
        ratiosWithoutWait.push_back(c / (w - LinkDelayMs));
        std::printf("run %d: command %8.1f ms   window %8.1f ms   ratio %.3f\n", run + 1, c, w, c / w);
    }
    std::printf("\nUpload, whole process (n=%d):\n", Runs);
    std::printf("  qs7582 upload:       median %8.1f ms\n", median(commandMs));
    std::printf("  the window's Upload: median %8.1f ms\n", median(windowMs));
    std::printf("  command / window:    median ratio %.3f (target <= %.2f: %s)\n", median(ratios), RatioTarget,
                median(ratios) <= RatioTarget ? "met" : "NOT met");
    std::printf("  command / (window - %d ms): median ratio %.3f\n", LinkDelayMs, median(ratiosWithoutWait));
    return 0;
}
