// Cost of the frame codec on a 256-byte configuration block: building a request and
// decoding a reply, against a plain copy of the same block measured in the same run.
// The link paces each block with at least 62 ms of sleeps, so the codec must stay a
// vanishing fraction of that. Prints medians of repeated runs and the ratios.

#include "link/FrameCodec.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

using namespace q7582;

namespace {

// Configuration data: mostly small values, with the two bytes that need escaping.
struct Block {
    Byte bytes[Frame::MaxPayload];
    Block()
    {
        for (int i = 0; i < Frame::MaxPayload; ++i)
            bytes[i] = i % 17 == 0 ? Frame::Start : i % 23 == 0 ? Frame::Escape : Byte(i * 5);
    }
};

void BM_CopyBlock(benchmark::State& state)
{
    const Block block;
    Byte out[Frame::BufferSize];
    for (auto _ : state) {
        std::memcpy(out, block.bytes, sizeof block.bytes);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}

void BM_BuildRequest(benchmark::State& state)
{
    const Block block;
    Byte out[Frame::BufferSize];
    for (auto _ : state) {
        benchmark::DoNotOptimize(Frame::buildRequest(out, Frame::WriteConfig, 7, block.bytes, Frame::MaxPayload));
        benchmark::ClobberMemory();
    }
}

void BM_DecodeReply(benchmark::State& state)
{
    const Block block;
    Byte reply[Frame::BufferSize];
    const int n = Frame::buildReply(reply, Frame::ReadConfig, 7, block.bytes, Frame::MaxPayload);
    Byte dest[Frame::MaxPayload];
    for (auto _ : state) {
        benchmark::DoNotOptimize(Frame::decodeReply(reply, n, Frame::ReadConfig, 7, dest, Frame::MaxPayload));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_CopyBlock)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildRequest)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeReply)->Repetitions(15)->ReportAggregatesOnly(true);

// Keeps the median of each benchmark while printing as usual.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double baseline = reporter.medians["BM_CopyBlock"];
    if (baseline <= 0)
        return 0;
    constexpr double PacedBlockNs = 62e6; // 60 ms after the request, 2 ms after the reply
    std::printf("\nmedian ns per 256-byte block (ratio to a plain copy; share of the paced 62 ms):\n");
    for (const auto& [name, ns] : reporter.medians)
        std::printf("  %-16s %9.1f ns  x%6.1f  %.6f %%\n", name.c_str(), ns, ns / baseline, 100.0 * ns / PacedBlockNs);
    return 0;
}
