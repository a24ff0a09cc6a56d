#pragma once
// The worker thread that owns the device, and the reconnect timer.

#include "link/Chip.h"
#include "link/LinkEngine.h"
#include "link/LinkObserver.h"
#include "link/LinkShared.h"
#include "link/MainThreadObserver.h"
#include "link/SyncCall.h"

#include <QThread>
#include <QTimer>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace q7582 {

// Reopens the device every 500 ms while it is missing; runs on the main thread.
class ReconnectTimer : public QTimer {
public:
    static constexpr int IntervalMs = 500;
    explicit ReconnectTimer(QObject* parent = nullptr) : QTimer(parent) { setInterval(IntervalMs); }
};

class LinkThread : public QThread {
    Q_OBJECT
public:
    // Created suspended. The observer runs on the thread that constructs the link.
    // pacing scales every sleep of the link (tests run it faster than the device).
    LinkThread(LinkShared& shared, LinkObserver& observer, std::unique_ptr<Chip> chip, QObject* parent = nullptr,
               double pacing = 1.0);
    ~LinkThread() override; // shutdown()

    // Opens the device: resumes the worker on success, else starts the 500 ms reconnect timer.
    void startLink();
    // Sets the terminate flag, wakes a suspended worker and waits for it while
    // still serving its synchronised calls. Never hangs.
    void shutdown();

    // The reconnect timer's event: reopens the device and resumes the worker.
    void reconnectTick();
    bool reconnectTimerActive() const { return timer_.isActive(); }

protected:
    void run() override;

private:
    bool awaitResume();
    void suspendWorker();
    void sleepMs(int ms);
    bool workerFinished();

    std::unique_ptr<Chip> chip_;
    SyncCall sync_;
    MainThreadObserver marshalled_;
    LinkEngine engine_;
    ReconnectTimer timer_;
    const double pacing_;

    std::mutex mutex_;
    std::condition_variable wake_;
    // Guarded by mutex_. While suspended_ is set the worker touches neither the engine
    // nor the chip, and the main thread may (reconnect tick).
    bool suspended_ = true;
    bool resume_ = false;
    bool stopping_ = false;
    bool finished_ = false;

    // Main thread only.
    bool started_ = false;
    bool shutDown_ = false;
};

} // namespace q7582
