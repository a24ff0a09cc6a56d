#pragma once
// Serves the main thread's events (the link's synchronised calls, the reconnect timer)
// until a condition holds or the time is up. Waits for events rather than spinning, so
// the worker keeps the cores it is measured or raced on.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace q7582::test {

template <typename Pred>
bool spinUntil(Pred pred, int timeoutMs = 5000)
{
    QTimer wake; // the condition is checked at least this often
    wake.start(5);
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Serves events for a while.
inline void serveEventsFor(int ms)
{
    spinUntil([] { return false; }, ms);
}

} // namespace q7582::test
