#pragma once
// Times a step run after run: its median and 99th percentile, in milliseconds.

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

namespace q7582::bench {

struct Timings {
    double median = 0, p99 = 0;
};

// f is given the run's number.
template <class F>
Timings timeRuns(int runs, F&& f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f(i);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)]};
}

} // namespace q7582::bench
