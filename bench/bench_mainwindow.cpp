// The status display refresh runs on the main thread after every status read (about
// every 100 ms) while the worker waits: its cost is link time and UI latency.
// Prints the time of one refresh with a steady master, with a master whose every byte
// changes, and with a pending zone change folded. Then, on the shown window, the spread
// of single refreshes, the call alone (what the worker waits for) and with the repaint
// it asks for: a live master (clock and VOX meters moving), the same less the meters,
// every byte changing, against a steady master. Last, the window disabled and enabled
// as at an Upload's start and end, repaint included (the Upload's largest stall).
// Targets: changing master, repaint included: median <= 1 ms, p99 <= 4 ms; the window
// disabled or enabled: max <= 8 ms.

#include "LaptopScreen.h"
#include "bench_window_support.h"
#include "link/LinkShared.h"
#include "ui/main/MainWindow.h"
#include "ui/main/StatusRules.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

using namespace q7582;
using namespace q7582::bench;

namespace {

constexpr int SpreadRefreshes = 2000;

struct Bench {
    QTemporaryDir dir;
    Workspace workspace{dir.path().toStdString()};
    LinkShared shared;
    std::unique_ptr<MainWindow> window;

    Bench()
    {
        window = std::make_unique<MainWindow>(shared, workspace);
        shared.connectionState = ConnectionState::Connected;
    }
};

Bench& fixture()
{
    static Bench b;
    return b;
}

StatusBlock busyMaster(std::mt19937& rng)
{
    StatusBlock sb;
    std::uniform_int_distribution<int> byte(0, 255), level(0, 20);
    for (auto& b : sb.bytes)
        b = Byte(byte(rng));
    for (int i = 0; i < LevelSliderCount; ++i)
        setLevelByte(sb, LiveParam(i), level(rng));
    sb.setMasterClock({2026, 12, 6, level(rng), level(rng), level(rng), 7});
    return sb;
}

void BM_RefreshSteadyMaster(benchmark::State& state)
{
    Bench& b = fixture();
    std::mt19937 rng(1);
    const StatusBlock sb = busyMaster(rng);
    b.shared.withStatus([&](StatusBlock& s) { s = sb; });
    for (auto _ : state)
        b.window->statusDisplayRefresh();
}
BENCHMARK(BM_RefreshSteadyMaster)->Unit(benchmark::kMicrosecond);

void BM_RefreshEveryByteChanging(benchmark::State& state)
{
    Bench& b = fixture();
    std::mt19937 rng(2);
    std::vector<StatusBlock> blocks;
    for (int i = 0; i < 64; ++i)
        blocks.push_back(busyMaster(rng));
    std::size_t n = 0;
    for (auto _ : state) {
        b.shared.withStatus([&](StatusBlock& s) { s = blocks[n++ % blocks.size()]; });
        b.window->statusDisplayRefresh();
    }
}
BENCHMARK(BM_RefreshEveryByteChanging)->Unit(benchmark::kMicrosecond);

void BM_RefreshFoldingAllPendingChanges(benchmark::State& state)
{
    Bench& b = fixture();
    std::mt19937 rng(3);
    const StatusBlock sb = busyMaster(rng);
    for (auto _ : state) {
        state.PauseTiming();
        b.shared.withStatus([&](StatusBlock& s) { s = sb; });
        for (int i : {0, 1, 2, 12, 16, 17, 18, 19, 20, 22, 24})
            b.window->pendingChanges()[std::size_t(i)].changed = true;
        state.ResumeTiming();
        b.window->statusDisplayRefresh();
    }
    b.shared.requests.statusWriteRequest = false;
    b.shared.requests.clockWriteRequest = false;
}
BENCHMARK(BM_RefreshFoldingAllPendingChanges)->Unit(benchmark::kMicrosecond);

void BM_ZoneFoldRule(benchmark::State& state)
{
    StatusBlock sb;
    ZoneCells cells{};
    for (int n = 0; n < GridCells; ++n)
        cells[std::size_t(n)] = CellState(n % 4);
    for (auto _ : state) {
        foldZoneCells(sb, cells);
        benchmark::DoNotOptimize(sb.bytes.data());
    }
}
BENCHMARK(BM_ZoneFoldRule);

// Counts the paint events of every widget while it lives.
class PaintCount : public QObject {
public:
    PaintCount() { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

// A sequence of status reads, with the times of its refreshes.
struct ReadKind {
    const char* name;
    const char* target;
    std::function<StatusBlock(int)> read; // the i-th read's block
    std::vector<double> callMs, withRepaintMs;
    double paints = 0, paintsInCall = 0; // per refresh
};

// One refresh of that block, then the repaint it asked for, which the event loop would
// run next.
void refreshOnce(Bench& b, ReadKind& kind, int i, bool record)
{
    b.shared.withStatus([&](StatusBlock& s) { s = kind.read(i); });
    const Clock::time_point start = Clock::now();
    b.window->statusDisplayRefresh();
    const Clock::time_point called = Clock::now();
    QCoreApplication::sendPostedEvents();
    if (!record)
        return;
    kind.callMs.push_back(msBetween(start, called));
    kind.withRepaintMs.push_back(msBetween(start, Clock::now()));
}

// The kinds take turns in chunks, so that the machine's load falls on each alike; the
// first read of a chunk follows another kind's and is not recorded.
void printRefreshSpread()
{
    constexpr int Chunk = 100;
    Bench& b = fixture();
    b.window->show();
    runLoopFor(200);
    std::mt19937 rng(4);
    std::vector<StatusBlock> random;
    for (int i = 0; i < 64; ++i)
        random.push_back(busyMaster(rng));
    const StatusBlock steady = random.front();
    ReadKind kinds[] = {
        {"steady master", "baseline", [&](int) { return steady; }, {}, {}, 0, 0},
        {"live master less its VOX meters (clock)",
         "information",
         [&](int i) {
             StatusBlock sb = steady;
             sb.setMasterClock({2026, 12, 6, 10, i / 60 % 60, i % 60, 7});
             return sb;
         },
         {},
         {},
         0,
         0},
        {"live master (clock, VOX meters)",
         "median <= 1, p99 <= 4",
         [&](int i) {
             StatusBlock sb = steady;
             sb.setMasterClock({2026, 12, 6, 10, i / 60 % 60, i % 60, 7});
             sb.bytes[StatusBlock::VoxInputMeters] = Byte(i * 7 % 21);
             sb.bytes[StatusBlock::VoxInputMeters + 1] = Byte(i * 13 % 21);
             return sb;
         },
         {},
         {},
         0,
         0},
        {"every byte changing",
         "median <= 1, p99 <= 4",
         [&](int i) { return random[std::size_t(i) % random.size()]; },
         {},
         {},
         0,
         0},
    };
    constexpr int Counted = 50;
    for (ReadKind& kind : kinds) {
        refreshOnce(b, kind, 0, false);
        for (int i = 1; i <= Counted; ++i) {
            PaintCount count;
            b.shared.withStatus([&](StatusBlock& s) { s = kind.read(i); });
            b.window->statusDisplayRefresh();
            kind.paintsInCall += double(count.paints) / Counted;
            QCoreApplication::sendPostedEvents();
            kind.paints += double(count.paints) / Counted;
        }
    }
    for (int done = 0; done < SpreadRefreshes; done += Chunk)
        for (ReadKind& kind : kinds)
            for (int i = done; i <= done + Chunk; ++i)
                refreshOnce(b, kind, i, i > done);

    std::printf("\nStatus display refresh on the shown window (%s), %d refreshes each, in turns of %d\n",
                qPrintable(QApplication::platformName()), SpreadRefreshes, Chunk);
    const ReadKind& base = kinds[0];
    for (const ReadKind& kind : kinds) {
        std::printf("%s: %.1f paint events per refresh, %.1f inside the call\n", kind.name, kind.paints,
                    kind.paintsInCall);
        printSpread("  call only", kind.callMs, "information");
        printSpread("  repaint included", kind.withRepaintMs, kind.target);
        printRatio("  median vs steady", median(kind.withRepaintMs), "ms", "steady", median(base.withRepaintMs),
                   "information");
        printRatio("  p99 vs steady", percentile(kind.withRepaintMs, 99), "ms", "steady",
                   percentile(base.withRepaintMs, 99), "information");
    }
}

// The window disabled at an Upload's start and enabled at its end: the whole window
// repaints, in the main thread's largest stall of an Upload.
void printEnablingSpread()
{
    constexpr int Toggles = 100;
    Bench& b = fixture();
    std::vector<double> disabling, enabling, repainting;
    // The first disable after start: the panels' and cells' disabled pictures were drawn
    // while the window was idle, so it copies them as every later one does.
    Clock::time_point start = Clock::now();
    b.window->disableMainWindow();
    QCoreApplication::sendPostedEvents();
    const double firstDisable = msBetween(start, Clock::now());
    start = Clock::now();
    b.window->enableMainWindow();
    QCoreApplication::sendPostedEvents();
    const double firstEnable = msBetween(start, Clock::now());
    for (int i = 0; i < Toggles; ++i) {
        start = Clock::now();
        for (QWidget* w : b.window->findChildren<QWidget*>())
            w->update();
        QCoreApplication::sendPostedEvents();
        repainting.push_back(msBetween(start, Clock::now()));
        start = Clock::now();
        b.window->disableMainWindow();
        QCoreApplication::sendPostedEvents();
        disabling.push_back(msBetween(start, Clock::now()));
        start = Clock::now();
        b.window->enableMainWindow();
        QCoreApplication::sendPostedEvents();
        enabling.push_back(msBetween(start, Clock::now()));
    }
    std::printf("\nWindow disabled and enabled on the shown window, repaint included, %d times each\n"
                "after a first time (disabled %.3f ms, enabled %.3f ms), its disabled pictures drawn while idle\n",
                Toggles, firstDisable, firstEnable);
    printSpread("disabled", disabling, "max <= 8");
    printSpread("enabled", enabling, "max <= 8");
    printSpread("every widget repainted (baseline)", repainting, "information");
    printRatio("median disabled vs every widget repainted", median(disabling), "ms", "repainted", median(repainting),
               "information");
}

} // namespace

int main(int argc, char** argv)
{
    test::useLaptopScreen();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRefreshSpread();
    printEnablingSpread();
    fixture().window.reset(); // a shown window goes before the application
    return 0;
}
