// The status display refresh runs on the main thread after every status read (about
// every 100 ms) while the worker waits: its cost is link time and UI latency.
// Prints the time of one refresh with a steady master, with a master whose every byte
// changes, and with a pending zone change folded.

#include "link/LinkShared.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

using namespace q7582;

namespace {

struct Bench {
    QTemporaryDir dir;
    LinkShared shared;
    std::unique_ptr<TForm1> window;

    Bench()
    {
        TForm1::Options o;
        o.dir = dir.path().toStdString();
        window = std::make_unique<TForm1>(shared, o);
        shared.connectionState = Connected;
    }
};

Bench& bench()
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
        setLevelByte(sb, i, level(rng));
    sb.setMasterClock({2026, 12, 6, level(rng), level(rng), level(rng), 7});
    return sb;
}

void BM_RefreshSteadyMaster(benchmark::State& state)
{
    Bench& b = bench();
    std::mt19937 rng(1);
    const StatusBlock sb = busyMaster(rng);
    b.shared.withStatus([&](StatusBlock& s) { s = sb; });
    for (auto _ : state)
        b.window->statusDisplayRefresh();
}
BENCHMARK(BM_RefreshSteadyMaster)->Unit(benchmark::kMicrosecond);

void BM_RefreshEveryByteChanging(benchmark::State& state)
{
    Bench& b = bench();
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
    Bench& b = bench();
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
    b.shared.requests.StatusWriteRequest = false;
    b.shared.requests.ClockWriteRequest = false;
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

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
