#pragma once
// What the link benchmarks measure with: medians, a named thread's CPU time, the
// resident set size and the figure lines they print. The link itself runs through the
// end-to-end tests' LinkToSimulator, against a simulator each program starts.

#include "SimHarness.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace q7582::bench {

using Clock = std::chrono::steady_clock;

// Each link benchmark measures both cables in one run: the tty backend on the
// simulator's pty, and libftdi on the virtual FT232R with its latency timer.
constexpr simtest::Cable Cables[] = {simtest::Cable::Tty, simtest::Cable::Usb};

inline const char* cableTitle(simtest::Cable cable)
{
    return cable == simtest::Cable::Tty ? "tty backend on the pty" : "libftdi on the virtual FT232R";
}

inline double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// CPU time of this process's thread of that name (its comm, as QThread sets it from
// the object name), in ms from the scheduler's nanosecond count; -1 if there is none.
inline double threadCpuMs(const QByteArray& name)
{
    const QDir tasks("/proc/self/task");
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + "/comm"));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != name)
            continue;
        QFile schedstat(tasks.filePath(tid + "/schedstat"));
        if (!schedstat.open(QIODevice::ReadOnly))
            return -1;
        return schedstat.readAll().split(' ').value(0).toDouble() / 1e6;
    }
    return -1;
}

inline long residentKb()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

// One figure against its baseline: "name: measured unit, baseline ..., ratio r (target)".
inline void printRatio(const char* name, double measured, const char* unit, const char* baselineName, double baseline,
                       const char* target)
{
    std::printf("%-34s %9.3f %s   %s %9.3f %s   ratio %.3f (target %s)\n", name, measured, unit, baselineName, baseline,
                unit, measured / baseline, target);
}

} // namespace q7582::bench
