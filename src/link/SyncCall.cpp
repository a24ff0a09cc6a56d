#include "link/SyncCall.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <semaphore>

#if defined(__SANITIZE_THREAD__)
#define Q7582_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define Q7582_TSAN 1
#endif
#endif

#ifdef Q7582_TSAN
extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);
#define Q7582_TSAN_ACQUIRE(p) __tsan_acquire(p)
#define Q7582_TSAN_RELEASE(p) __tsan_release(p)
#else
#define Q7582_TSAN_ACQUIRE(p) ((void)(p))
#define Q7582_TSAN_RELEASE(p) ((void)(p))
#endif

namespace q7582 {

namespace {

const QEvent::Type CallEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

struct CallEvent : QEvent {
    CallEvent(const std::function<void()>& f, std::binary_semaphore& d) : QEvent(CallEventType), fn(f), done(d) {}
    const std::function<void()>& fn;
    std::binary_semaphore& done;
};

} // namespace

SyncCall::SyncCall(std::function<bool()> interrupted, QObject* parent)
    : QObject(parent), interrupted_(std::move(interrupted))
{
}

void SyncCall::call(const std::function<void()>& fn)
{
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    if (interrupted_())
        return;
    std::binary_semaphore done(0);
    auto* e = new CallEvent(fn, done);
    Q7582_TSAN_RELEASE(e);
    QCoreApplication::postEvent(this, e);
    done.acquire();
    Q7582_TSAN_ACQUIRE(&done);
}

void SyncCall::deliverPending() { QCoreApplication::sendPostedEvents(this, CallEventType); }

bool SyncCall::event(QEvent* e)
{
    // Before anything of the event is read: it was built on the worker thread. (Of an
    // event nobody released, the acquire is a no-op.)
    Q7582_TSAN_ACQUIRE(e);
    if (e->type() != CallEventType)
        return QObject::event(e);
    auto* call = static_cast<CallEvent*>(e);
    if (!closing_)
        call->fn();
    Q7582_TSAN_RELEASE(&call->done);
    call->done.release();
    return true;
}

} // namespace q7582
