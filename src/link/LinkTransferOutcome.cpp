// How a transfer between two polls begins and ends: the closing program lets none
// begin, a failed one is dropped, restarted or given up, and the window hears of each end.

#include "link/LinkEngine.h"

namespace q7582 {

namespace {

TransferFault faultOf(TransferResult result, bool deviceGone)
{
    if (deviceGone)
        return TransferFault::LinkLost;
    switch (result) {
    case TransferNoReply:
        return TransferFault::NoReply;
    case TransferBusy:
        return TransferFault::Busy;
    case TransferDeviceError:
    case TransferShort:
        return TransferFault::LinkError;
    default:
        return TransferFault::BadReply;
    }
}

} // namespace

bool LinkEngine::beginTransfer(TransferKind kind)
{
    // Raised before closing is read; the window raises closing before it reads this.
    shared_.transferRunning = true;
    if (shared_.closing) {
        shared_.transferRunning = false;
        return false;
    }
    running_ = kind;
    tapEvent(TapEvent::TransferStart, int(kind), transferName(kind));
    return true;
}

void LinkEngine::endTransfer(const TransferReport& report)
{
    running_.reset();
    if (report.end != TransferEnd::Restarting)
        failedAttempts_[std::size_t(report.kind)] = 0;
    shared_.transferRunning = false;
    tapEvent(TapEvent::TransferEnd, int(report.kind), transferEndName(report.end));
    observer_.transferEnded(report);
}

void LinkEngine::forgetWithdrawnRestarts()
{
    for (std::size_t k = 0; k < failedAttempts_.size(); ++k)
        if (!shared_.requests.of(TransferKind(k)))
            failedAttempts_[k] = 0;
}

void LinkEngine::reportFailedTransfer(bool deviceGone)
{
    TransferReport report;
    report.kind = *running_;
    report.end = TransferEnd::Failed;
    report.fault = faultOf(lastResult_, deviceGone);
    report.block = configBlockIndex_;
    int& attempts = failedAttempts_[std::size_t(report.kind)];
    // A Download is never restarted: the user decides whether to send it again.
    if (report.kind != TransferKind::Download && ++attempts <= TransferReport::MaxRestarts) {
        report.end = TransferEnd::Restarting;
        report.restarts = attempts;
    } else {
        shared_.requests.of(report.kind) = false;
    }
    endTransfer(report);
}

bool LinkEngine::cancelUpload()
{
    linkOperation_ = OpStatusRead;
    shared_.progressPosition = 0;
    observer_.enableMainWindow();
    showActivity(Activity::StatusUL);
    TransferReport report;
    report.kind = TransferKind::Upload;
    report.end = TransferEnd::Cancelled;
    report.block = configBlockIndex_;
    endTransfer(report);
    return true;
}

} // namespace q7582
