#include "link/LinkThread.h"

#include <chrono>

namespace q7582 {

LinkThread::LinkThread(LinkShared& shared, LinkObserver& observer, std::unique_ptr<Chip> chip, QObject* parent,
                       double pacing)
    : QThread(parent), chip_(std::move(chip)), sync_([this] { return isInterruptionRequested(); }),
      marshalled_(sync_, observer), engine_(*chip_, shared, marshalled_, [this](int ms) { sleepMs(ms); }),
      pacing_(pacing)
{
    connect(&timer_, &QTimer::timeout, this, &LinkThread::reconnectTick);
}

LinkThread::~LinkThread() { shutdown(); }

void LinkThread::startLink()
{
    if (started_ || shutDown_)
        return;
    {
        std::lock_guard lock(mutex_);
        if (engine_.openDevice()) {
            engine_.startSearch();
            resume_ = true;
        } else {
            engine_.showNoDevice();
            timer_.start();
        }
    }
    started_ = true;
    start();
}

void LinkThread::reconnectTick()
{
    std::lock_guard lock(mutex_);
    if (!suspended_ || stopping_)
        return;
    bool hintChanged = false;
    if (engine_.openDevice(&hintChanged)) {
        timer_.stop();
        engine_.startSearch();
        resume_ = true;
        wake_.notify_all();
    } else if (hintChanged) {
        // The window shows "No access" or "In use" (or stops showing it) from LinkShared.
        marshalled_.repaintStatusBar();
        marshalled_.showActivity();
    }
}

void LinkThread::shutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    timer_.stop();
    requestInterruption();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (!started_)
        return;
    // The worker may be inside a synchronised call: keep serving those (without
    // running them) until it has left its loop, then join it.
    sync_.setClosing();
    while (!workerFinished()) {
        sync_.deliverPending();
        wait(QDeadlineTimer(5));
    }
    wait();
}

bool LinkThread::workerFinished()
{
    std::lock_guard lock(mutex_);
    return finished_;
}

void LinkThread::run()
{
    while (awaitResume()) {
        while (!isInterruptionRequested()) {
            if (engine_.step() == LinkEngine::Outcome::Suspend) {
                suspendWorker();
                break;
            }
        }
    }
    std::lock_guard lock(mutex_);
    engine_.closeDevice();
    finished_ = true;
}

bool LinkThread::awaitResume()
{
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return resume_ || stopping_; });
    if (stopping_)
        return false;
    resume_ = false;
    suspended_ = false;
    return true;
}

void LinkThread::suspendWorker()
{
    {
        std::lock_guard lock(mutex_);
        suspended_ = true;
    }
    sync_.call([this] {
        if (!shutDown_)
            timer_.start();
    });
}

void LinkThread::sleepMs(int ms)
{
    const auto duration = std::chrono::microseconds(static_cast<long long>(ms * pacing_ * 1000));
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, duration, [this] { return stopping_; });
}

} // namespace q7582
