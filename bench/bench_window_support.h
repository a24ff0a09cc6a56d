#pragma once
// What the main window benchmarks measure with, on top of the link benchmarks' helpers:
// percentiles, the real window with its link calls timed, and the main thread's
// event-loop latency seen by a 1 ms timer.

#include "bench_link_support.h"
#include "ui/main/MainWindow.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <ctime>
#include <functional>

namespace q7582::bench {

// Nearest-rank percentile, p in 0..100.
inline double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(p / 100.0 * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

// "name: median, p99, max" of one sample set, in ms.
inline void printSpread(const char* name, const std::vector<double>& ms, const char* target)
{
    std::printf("%-40s median %8.3f  p99 %8.3f  max %8.3f ms  (n=%zu; target %s)\n", name, median(ms),
                percentile(ms, 99), *std::max_element(ms.begin(), ms.end()), ms.size(), target);
}

// The real window; the link's calls go to it unchanged, and are timed and counted.
class TimedWindow : public MainWindow {
public:
    using MainWindow::MainWindow;

    int refreshes = 0, uploads = 0, searches = 0; // searches: the link looking for a device anew
    std::vector<double> refreshMs;                // time inside each status display refresh
    std::vector<double> enablingMs;               // time inside each disable and enable of the window
    Clock::time_point disabledAt, enabledAt;
    std::function<void()> onFirstRefresh; // runs once, after the first refresh

    void statusDisplayRefresh() override
    {
        const Clock::time_point start = Clock::now();
        MainWindow::statusDisplayRefresh();
        refreshMs.push_back(msBetween(start, Clock::now()));
        if (++refreshes == 1 && onFirstRefresh)
            onFirstRefresh();
    }
    void repaintStatusBar() override
    {
        searches += shared().connectionState == ConnectionState::Searching;
        MainWindow::repaintStatusBar();
    }
    void disableMainWindow() override
    {
        disabledAt = Clock::now();
        timed(enablingMs, [this] { MainWindow::disableMainWindow(); });
    }
    void enableMainWindow() override
    {
        enabledAt = Clock::now();
        timed(enablingMs, [this] { MainWindow::enableMainWindow(); });
    }
    void uploadCompleted(const ConfigImage& received, Byte addressChime) override
    {
        MainWindow::uploadCompleted(received, addressChime);
        ++uploads;
    }

private:
    template <typename Call>
    static void timed(std::vector<double>& into, Call call)
    {
        const Clock::time_point start = Clock::now();
        call();
        into.push_back(msBetween(start, Clock::now()));
    }
};

// Serves the main thread's events as app.exec() does, for a while.
inline void runLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// A 1 ms repeating timer on the main thread: each gap between two firings less the
// period is how late the loop came back to it (a stall when large); the main thread's
// CPU time in the same gap tells its own work from the machine's other loads.
class LoopLatency {
public:
    static constexpr double PeriodMs = 1;

    LoopLatency()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(int(PeriodMs));
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const Clock::time_point now = Clock::now();
            const double cpu = threadCpuMs();
            lateMs_.push_back(msBetween(last_, now) - PeriodMs);
            busyMs_.push_back(cpu - lastCpu_);
            lastCpu_ = cpu;
            if (lateMs_.back() >= worstMs_) {
                worstMs_ = lateMs_.back();
                worstFrom_ = last_;
            }
            last_ = now;
            if (until_ && until_()) {
                until_ = nullptr;
                QTimer::singleShot(thenMs_, Qt::PreciseTimer, loop_, &QEventLoop::quit);
            }
        });
    }

    // Serves events for ms, recording; returns the lateness of each tick in ms.
    std::vector<double> measureFor(int ms)
    {
        return measureUntil([] { return false; }, ms);
    }
    // When the largest lateness of the last measurement began.
    Clock::time_point worstFrom() const { return worstFrom_; }
    // The main thread's CPU time between each two ticks of the last measurement, in ms.
    const std::vector<double>& busyMs() const { return busyMs_; }

    // Serves events, recording, until thenMs after done holds or ms in all.
    std::vector<double> measureUntil(std::function<bool()> done, int ms, int thenMs = 0)
    {
        QEventLoop loop;
        lateMs_.clear();
        busyMs_.clear();
        worstMs_ = -1;
        until_ = std::move(done);
        loop_ = &loop;
        thenMs_ = thenMs;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        last_ = Clock::now();
        lastCpu_ = threadCpuMs();
        timer_.start();
        loop.exec();
        timer_.stop();
        until_ = nullptr;
        return std::move(lateMs_);
    }

private:
    static double threadCpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }

    QTimer timer_;
    Clock::time_point last_;
    std::vector<double> lateMs_, busyMs_;
    double lastCpu_ = 0;
    double worstMs_ = -1;
    Clock::time_point worstFrom_;
    std::function<bool()> until_;
    QEventLoop* loop_ = nullptr;
    int thenMs_ = 0;
};

inline void append(std::vector<double>& to, const std::vector<double>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace q7582::bench
