#pragma once
// SIGTERM, SIGINT and SIGHUP turned into a call on the main thread: the handler only
// writes the signal number into a pipe, which a socket notifier reads.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace q7582 {

class TerminationSignals : public QObject {
public:
    // One instance at a time; the previous handlers come back when it goes.
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace q7582
