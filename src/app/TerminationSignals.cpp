#include "app/TerminationSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace q7582 {

namespace {

constexpr std::array<int, 3> Handled = {SIGTERM, SIGINT, SIGHUP};
int selfPipe[2] = {-1, -1};
struct sigaction previous[Handled.size()];

extern "C" void writeSignalToPipe(int signal)
{
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const auto written = ::write(selfPipe[1], &byte, 1); // a full pipe already wakes the reader
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (::pipe2(selfPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // no pipe: the signals keep their default action
    notifier_ = new QSocketNotifier(selfPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action = {};
    action.sa_handler = writeSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &action, &previous[i]);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &previous[i], nullptr);
    delete notifier_;
    ::close(selfPipe[0]);
    ::close(selfPipe[1]);
    selfPipe[0] = selfPipe[1] = -1;
}

void TerminationSignals::drain()
{
    // One request per signal: a second one means "now", even when both came at once.
    char bytes[16];
    for (ssize_t n; (n = ::read(selfPipe[0], bytes, sizeof bytes)) > 0;)
        for (ssize_t i = 0; i < n; ++i)
            onSignal_();
}

} // namespace q7582
