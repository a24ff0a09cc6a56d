#pragma once
// The link as the program runs it: the tty backend on the simulator's pty, or libftdi
// on the virtual FT232R; the worker thread and a recording window, against a
// simulator started here. Used by the end-to-end tests and the link benchmarks.

#include "EventWait.h"
#include "FakeDevice.h"
#include "SimHarness.h"
#include "link/LinkThread.h"

#include <memory>

namespace q7582::test {

// How long the worker took to shut down, in ms.
inline qint64 shutdownMs(LinkThread& link)
{
    QElapsedTimer clock;
    clock.start();
    link.shutdown();
    return clock.elapsed();
}

class LinkToSimulator {
public:
    // pacing scales the link's sleeps; the simulator answers at once whatever it is.
    explicit LinkToSimulator(const QStringList& simArgs = {}, double pacing = 1.0,
                             simtest::Cable cable = simtest::Cable::Tty)
        : sim(simArgs, cable), pacing_(pacing)
    {
    }

    // Waits for the simulator, then starts the link on its path; false when the
    // simulator did not come up.
    bool start()
    {
        if (!sim.waitReady())
            return false;
        startLink();
        return true;
    }
    // Starts the link as the program does, on the simulator's cable.
    void startLink()
    {
        sim.useFromEnvironment();
        link = std::make_unique<LinkThread>(shared, window, makeChipFromEnvironment(), nullptr, pacing_);
        link->setObjectName("LinkThread"); // the worker's name in /proc, top and gdb
        link->startLink();
    }

    bool waitState(ConnectionState state, int ms = 5000)
    {
        return spinUntil([&] { return shared.connectionState == state; }, ms);
    }
    // Serves events until the window has had that call `more` times more.
    bool waitCalls(const std::string& name, int more, int ms = 5000)
    {
        const int target = window.count(name) + more;
        return spinUntil([&] { return window.count(name) >= target; }, ms);
    }

    simtest::SimulatorProcess sim;
    LinkShared shared;
    RecordingObserver window;
    std::unique_ptr<LinkThread> link; // declared last: shut down first

private:
    double pacing_;
};

} // namespace q7582::test
