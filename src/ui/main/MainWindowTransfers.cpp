// MainWindow: how transfers end in the window (messages, the partial-download mark, the
// Cancel button and Esc), the pending Upload a replaced configuration drops, and closing.

#include "ui/main/MainWindow.h"
#include "ui/main/StatusBarPanel.h"
#include "ui/main/TransferMessages.h"

#include <QCloseEvent>
#include <QTimer>

namespace q7582 {

ClosingGuard::Hooks MainWindow::closingHooks()
{
    ClosingGuard::Hooks hooks;
    hooks.configurationUnsaved = [this] { return provenance_.unsaved; };
    hooks.confirm = [this](const QString& question) {
        return dialogs_->yesNo(this, QStringLiteral("Q7582 Manager"), question);
    };
    hooks.notice = [this](const QString& text) { statusBar_->showNotice(text, false); };
    hooks.closeWindow = [this] { close(); };
    return hooks;
}

void MainWindow::requestClose(CloseSource source)
{
    if (closing_->allowClose(source))
        close(); // allowed from now on
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closing_->allowClose(CloseSource::User)) {
        event->ignore();
        return;
    }
    stopLink(); // nothing is saved
    event->accept();
    emit closed();
}

void MainWindow::transferEnded(const TransferReport& report)
{
    if (report.end == TransferEnd::Restarting) {
        statusBar_->showNotice(transferRestartText(report), false, whatHappened(report));
        offerCancel(report.kind);
        closing_->transferEnded(); // a closing program lets no restart begin
        return;
    }
    if (cancellable_ == report.kind)
        offerCancel(std::nullopt);
    if (report.end != TransferEnd::Cancelled)
        statusBar_->clearNotice(); // a restart or closing line no longer holds
    if (report.end == TransferEnd::Completed && isConfigurationTransfer(report.kind))
        partialDownload_ = false;
    if (report.end == TransferEnd::Failed && report.kind == TransferKind::Download)
        partialDownload_ = true;
    captionRefresh();
    if (report.end == TransferEnd::Failed)
        showTransferFailure(transferFailureText(report));
    else
        closing_->transferEnded();
}

// Not inside the worker's call: the box waits for the user, the worker must not. A
// close waiting for this transfer goes on once the user has read what happened.
void MainWindow::showTransferFailure(const QString& text)
{
    QTimer::singleShot(0, this, [this, text] {
        dialogs_->error(this, text);
        closing_->transferEnded();
    });
}

void MainWindow::cancelTransfer()
{
    if (!cancellable_)
        return;
    // A running Upload sees its request gone at its next block and hands nothing over.
    shared_.requests.of(*cancellable_) = false;
    offerCancel(std::nullopt);
    statusBar_->showNotice(TransferCancelledNotice, true);
}

void MainWindow::configurationReplaced()
{
    if (shared_.requests.uploadRequest.exchange(false)) {
        offerCancel(std::nullopt);
        statusBar_->showNotice(UploadDroppedNotice, true);
    }
    captionRefresh();
}

} // namespace q7582
