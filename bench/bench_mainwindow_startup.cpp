// Start-up and memory of the manager against the simulated master, each launch in a
// fresh working folder (first start: the settings, name and LEGAL.BIN files written).
// - The program itself (qs7582 beside this one): process start to the link started,
//   seen from outside as the simulator's pty opened, which the program does 500 ms
//   after showing its window; its resident set after a few seconds of polling.
// - The program gives no sign of its window shown, so this program also runs itself as
//   a child doing what main.cpp does with the library, and reports the first paint of
//   the window, the link started and the first status display refresh.
// - Baseline, same run: a child showing an empty main window of the same size.
// - From the menu entry (--last-site) with 100 known sites, the last one a fresh folder,
//   against the start in a folder (today's start), same run.
// - In Italian (LANGUAGE=it), against the same start in English, same run.
// Targets: start to window shown and link started <= 800 ms; resident set <= 60 MB;
// the menu entry's start at most 1.10 times the start in a folder; Italian at most 1.05
// times English.

#include "LaptopScreen.h"
#include "SimHarness.h"
#include "bench_window_support.h"
#include "link/Chip.h"
#include "model/DefaultConfiguration.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <cstring>
#include <map>
#include <thread>

using namespace q7582;
using namespace q7582::bench;

namespace {

constexpr int Runs = 5;
constexpr int PollingMs = 3000;
constexpr int ReadyTimeoutMs = 10000;
constexpr int LinkDelayMs = 500; // main.cpp's wait before the link starts
constexpr int KnownSites = 100;
const char* const ChildOption = "--child";

// ---- Child side: one line "event nanoseconds" on stdout per moment reached.

void report(const char* event)
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
    std::printf("%s %lld\n", event, static_cast<long long>(ns));
    std::fflush(stdout);
}

// Reports "shown" once the window's first paint is done.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] { report("shown"); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

void centre(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

// main.cpp's sequence: the window, the data module's start-up, shown centred, the link
// started 500 ms later.
int childProgram(QApplication& app, FirstPaint& firstPaint)
{
    QApplication::setApplicationName(QStringLiteral("qs7582"));
    QApplication::setApplicationDisplayName(QStringLiteral("Q7582 Manager"));
    LinkShared shared;
    Workspace workspace;
    TimedWindow window(shared, workspace);
    buildDefaultConfiguration(workspace.config(), 0).applyTo(workspace.provenance());
    (void)createLegalFileIfMissing(); // as main.cpp: the program runs on without the file
    (void)loadLegalFile(workspace.legalFile());
    window.captionRefresh();
    window.onFirstRefresh = [] { report("polled"); };
    window.installEventFilter(&firstPaint);
    centre(window);
    window.show();
    QTimer::singleShot(LinkDelayMs, &window, [&window] {
        window.startLink(makeChipFromEnvironment());
        report("linked");
    });
    return app.exec();
}

int childBare(QApplication& app, FirstPaint& firstPaint)
{
    QMainWindow window;
    window.setFixedSize(MainWindow::MasterWidth, MainWindow::MasterHeight);
    window.installEventFilter(&firstPaint);
    centre(window);
    window.show();
    return app.exec();
}

int child(int argc, char** argv, const char* kind)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    return std::strcmp(kind, "bare") == 0 ? childBare(app, firstPaint) : childProgram(app, firstPaint);
}

// ---- Parent side.

struct Launch {
    std::map<std::string, double> msAfterStart; // event -> ms from process start
    long rssKb = -1;
};

long statusKb(qint64 pid, const char* field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

bool hasOpen(qint64 pid, const QString& target)
{
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::Files | QDir::System))
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target)
            return true;
    return false;
}

class Launcher {
public:
    explicit Launcher(const simtest::SimulatorProcess& sim) : sim_(sim), env_(QProcessEnvironment::systemEnvironment())
    {
        env_.insert(QStringLiteral("Q7582_PORT"), QString::fromStdString(sim.link()));
    }

    // The program: ready when the simulator's pty is open in it. With sites, started as
    // the menu entry starts it, the last of that many known sites a fresh folder. With
    // language, the desktop asks for it.
    Launch program(const QString& path, int sites = 0, const QString& language = {})
    {
        Launch l;
        QTemporaryDir cwd, known;
        QProcess p;
        QStringList args;
        if (sites > 0) {
            QFile list(known.filePath(QStringLiteral("sites.txt")));
            if (!list.open(QIODevice::WriteOnly))
                return l;
            for (int n = 0; n < sites; ++n) {
                const QString site = known.filePath(QStringLiteral("site %1").arg(n));
                QDir().mkpath(site);
                list.write(QFile::encodeName(site) + '\n');
            }
            list.close();
            env_.insert(QStringLiteral("Q7582_SITES_LIST"), list.fileName());
            env_.insert(QStringLiteral("XDG_DATA_HOME"), known.path()); // no earlier version's folder
            args << QStringLiteral("--last-site");
        }
        if (!language.isEmpty())
            env_.insert(QStringLiteral("LANGUAGE"), language);
        const Clock::time_point start = begin(p, path, args, cwd.path());
        env_.remove(QStringLiteral("LANGUAGE"));
        env_.remove(QStringLiteral("Q7582_SITES_LIST"));
        env_.remove(QStringLiteral("XDG_DATA_HOME"));
        const QString pty = QFileInfo(QString::fromStdString(sim_.link())).symLinkTarget();
        while (p.state() == QProcess::Running && msBetween(start, Clock::now()) < ReadyTimeoutMs) {
            if (hasOpen(p.processId(), pty)) {
                l.msAfterStart["linked"] = msBetween(start, Clock::now());
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return end(p, l);
    }

    // This program as a child: ready when it has reported every one of the events.
    Launch self(const char* kind, const std::vector<std::string>& events)
    {
        Launch l;
        QTemporaryDir cwd;
        QProcess p;
        const Clock::time_point start =
            begin(p, QCoreApplication::applicationFilePath(), {ChildOption, kind}, cwd.path());
        while (l.msAfterStart.size() < events.size() && p.waitForReadyRead(ReadyTimeoutMs)) {
            while (p.canReadLine()) {
                const QList<QByteArray> words = p.readLine().trimmed().split(' ');
                const Clock::time_point at{std::chrono::nanoseconds(words.value(1).toLongLong())};
                l.msAfterStart[words.value(0).toStdString()] = msBetween(start, at);
            }
        }
        return end(p, l);
    }

private:
    Clock::time_point begin(QProcess& p, const QString& path, const QStringList& args, const QString& cwd)
    {
        p.setProgram(path);
        p.setArguments(args);
        p.setWorkingDirectory(cwd);
        p.setProcessEnvironment(env_);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const Clock::time_point start = Clock::now();
        p.start();
        p.waitForStarted();
        return start;
    }

    // Polls a while, takes the resident set, stops the process.
    Launch& end(QProcess& p, Launch& l)
    {
        if (p.state() == QProcess::Running) {
            std::this_thread::sleep_for(std::chrono::milliseconds(PollingMs));
            l.rssKb = statusKb(p.processId(), "VmRSS:");
        }
        p.terminate();
        if (!p.waitForFinished(3000))
            p.kill();
        p.waitForFinished(1000);
        return l;
    }

    const simtest::SimulatorProcess& sim_;
    QProcessEnvironment env_;
};

std::vector<double> collect(const std::vector<Launch>& launches, const std::string& event)
{
    std::vector<double> out;
    for (const Launch& l : launches)
        if (auto it = l.msAfterStart.find(event); it != l.msAfterStart.end())
            out.push_back(it->second);
    return out;
}

std::vector<double> residentMb(const std::vector<Launch>& launches)
{
    std::vector<double> out;
    for (const Launch& l : launches)
        if (l.rssKb > 0)
            out.push_back(double(l.rssKb) / 1024);
    return out;
}

void printFigure(const char* name, const std::vector<double>& values, const char* unit, const char* target)
{
    if (values.size() < Runs) {
        std::printf("%-44s MISSING (%zu of %d launches)\n", name, values.size(), Runs);
        return;
    }
    std::printf("%-44s median %8.1f  max %8.1f %s  (target %s)\n", name, median(values),
                *std::max_element(values.begin(), values.end()), unit, target);
}

int parent(int argc, char** argv)
{
    test::useLaptopScreen(); // the programs started inherit it
    QCoreApplication app(argc, argv);
    simtest::SimulatorProcess sim;
    if (!sim.waitReady() || !sim.control("life on")) {
        std::fprintf(stderr, "%s\n", sim.problem().c_str());
        return 1;
    }
    Launcher launcher(sim);
    const QString program = QCoreApplication::applicationDirPath() + "/qs7582";
    std::vector<Launch> programs, italians, siteStarts, selves, bares;
    for (int r = 0; r < Runs; ++r) {
        programs.push_back(launcher.program(program));
        italians.push_back(launcher.program(program, 0, QStringLiteral("it")));
        siteStarts.push_back(launcher.program(program, KnownSites));
        selves.push_back(launcher.self("program", {"shown", "linked", "polled"}));
        bares.push_back(launcher.self("bare", {"shown"}));
    }

    std::printf("Start-up against the simulated master, %d launches each, interleaved; fresh working folder\n", Runs);
    printFigure("qs7582: start to link started (pty open)", collect(programs, "linked"), "ms", "<= 800");
    printFigure("qs7582 --last-site, 100 sites: to link started", collect(siteStarts, "linked"), "ms", "<= 800");
    const std::vector<double> linked = collect(programs, "linked"), siteLinked = collect(siteStarts, "linked");
    if (!linked.empty() && !siteLinked.empty())
        printRatio("--last-site vs start in a folder (medians)", median(siteLinked), "ms", "folder", median(linked),
                   "<= 1.10");
    const std::vector<double> italianLinked = collect(italians, "linked");
    printFigure("qs7582 in Italian: start to link started", italianLinked, "ms", "<= 800");
    if (!linked.empty() && !italianLinked.empty())
        printRatio("Italian vs English start (medians)", median(italianLinked), "ms", "English", median(linked),
                   "<= 1.05");
    printFigure("main.cpp sequence: start to window shown", collect(selves, "shown"), "ms", "<= 800 - 500");
    printFigure("main.cpp sequence: start to link started", collect(selves, "linked"), "ms", "<= 800");
    printFigure("main.cpp sequence: start to first refresh", collect(selves, "polled"), "ms", "information");
    printFigure("baseline: empty window, start to shown", collect(bares, "shown"), "ms", "information");
    const std::vector<double> shown = collect(selves, "shown"), bare = collect(bares, "shown");
    if (!shown.empty() && !bare.empty())
        printRatio("window shown vs empty window (medians)", median(shown), "ms", "empty", median(bare), "information");
    std::printf("Resident set after %d ms of polling\n", PollingMs);
    printFigure("qs7582 VmRSS", residentMb(programs), "MB", "<= 60");
    printFigure("main.cpp sequence VmRSS", residentMb(selves), "MB", "<= 60");
    printFigure("baseline: empty window VmRSS", residentMb(bares), "MB", "information");
    const std::vector<double> rss = residentMb(programs), bareRss = residentMb(bares);
    if (!rss.empty() && !bareRss.empty())
        printRatio("qs7582 vs empty window (medians)", median(rss), "MB", "empty", median(bareRss), "information");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], ChildOption) == 0)
        return child(argc, argv, argv[2]);
    return parent(argc, argv);
}
