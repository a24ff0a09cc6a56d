#pragma once
// The synchronised call: a worker thread runs a function on the main thread and waits
// until it has run. A custom event carries the function; the worker waits on a
// semaphore that the main thread releases after running it. Qt's own blocking queued
// call would do the same, but its synchronisation is invisible to ThreadSanitizer.

#include <QObject>
#include <functional>

namespace q7582 {

class SyncCall : public QObject {
public:
    // interrupted: the caller's terminate flag, checked before every call.
    explicit SyncCall(std::function<bool()> interrupted, QObject* parent = nullptr);

    // On the main thread the function runs at once. From another thread it is posted
    // and waited for, unless the caller is being stopped: then it is skipped.
    void call(const std::function<void()>& fn);

    // Program end: functions still arriving are not run (the window may be half
    // gone), only released. Main thread only.
    void setClosing() { closing_ = true; }
    // Runs the calls waiting in the queue now. Main thread only.
    void deliverPending();

protected:
    bool event(QEvent* e) override;

private:
    std::function<bool()> interrupted_;
    bool closing_ = false;
};

} // namespace q7582
