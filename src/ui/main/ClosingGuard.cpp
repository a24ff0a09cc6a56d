#include "ui/main/ClosingGuard.h"

#include <QCoreApplication>

namespace q7582 {

ClosingGuard::ClosingGuard(LinkShared& shared, Hooks hooks, QObject* parent)
    : QObject(parent), shared_(shared), hooks_(std::move(hooks))
{
    fallback_.setSingleShot(true);
    fallback_.setInterval(FallbackMs);
    connect(&fallback_, &QTimer::timeout, this, &ClosingGuard::closeAnyway);
}

bool ClosingGuard::allowClose(CloseSource source)
{
    if (approved_)
        return true;
    const bool user = source == CloseSource::User;
    if (waiting_) {
        const bool cut = !user || hooks_.confirm(cutQuestion());
        if (!waiting_) // the transfer ended while the question was open
            return approved_;
        if (cut) {
            waiting_ = false;
            fallback_.stop();
            approved_ = true;
        }
        return cut;
    }
    if (user && hooks_.configurationUnsaved()
        && !hooks_.confirm(QCoreApplication::translate("ClosingGuard", UnsavedCloseQuestion)))
        return false;
    // Raised before transferRunning is read; the worker raises transferRunning before
    // it reads closing. So either no transfer begins from now on, or it is seen here.
    shared_.closing = true;
    if (!shared_.transferRunning) {
        approved_ = true;
        return true;
    }
    waiting_ = true;
    hooks_.notice(QCoreApplication::translate("ClosingGuard", ClosingNotice));
    fallback_.start();
    return false;
}

// The running transfer's request stays raised until it ends; a Download is served
// before an Upload, so a raised Download request is the one running.
QString ClosingGuard::cutQuestion() const
{
    if (shared_.requests.downloadRequest)
        return QCoreApplication::translate("ClosingGuard", ForceCloseQuestion);
    if (shared_.requests.uploadRequest)
        return QCoreApplication::translate("ClosingGuard", CutUploadQuestion);
    return QCoreApplication::translate("ClosingGuard", CutGeneratorTransferQuestion);
}

void ClosingGuard::transferEnded()
{
    if (!waiting_)
        return;
    // Not from inside the worker's call: closing stops the worker and waits for it.
    QTimer::singleShot(0, this, &ClosingGuard::closeAnyway);
}

void ClosingGuard::closeAnyway()
{
    if (!waiting_)
        return;
    fallback_.stop();
    waiting_ = false;
    approved_ = true;
    hooks_.closeWindow();
}

} // namespace q7582
