// Must be reported by ThreadSanitizer with the project's suppressions in force: a
// worker thread and the main thread touch a plain int with nothing ordering them,
// next to a synchronised call like the link's. If this ever passes silently, a
// suppression has grown wide enough to hide our own races.

#include "link/SyncCall.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <cstdio>

namespace {
int unguarded = 0;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::atomic<bool> called{false};
    q7582::SyncCall sync([] { return false; });
    QThread* worker = QThread::create([&] {
        sync.call([&] { called = true; });
        unguarded = 1; // after the call: nothing orders it with the read below
        QThread::msleep(200);
    });
    worker->start();
    while (!called)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(100);
    std::printf("read %d\n", unguarded);
    worker->wait();
    delete worker;
    std::puts("canary: no race reported");
    return 0;
}
