#pragma once
// The worker thread that owns the device, and the reconnect timer.

#include "link/Chip.h"
#include "link/LinkObserver.h"
#include "link/LinkShared.h"

#include <QThread>
#include <memory>

namespace q7582 {

class TThreadUsb : public QThread {
    Q_OBJECT
public:
    // Created suspended. The observer runs on the thread that constructs the link.
    TThreadUsb(LinkShared& shared, LinkObserver& observer, std::unique_ptr<Chip> chip, QObject* parent = nullptr);
    ~TThreadUsb() override; // shutdown()

    // Opens the device: resumes the worker on success, else starts the 500 ms reconnect timer.
    void startLink();
    // Sets the terminate flag, wakes a suspended worker and waits for it while
    // still serving its synchronised calls. Never hangs.
    void shutdown();

protected:
    void run() override;
};

} // namespace q7582
