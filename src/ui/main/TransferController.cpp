#include "ui/main/TransferController.h"

#include "model/Provenance.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/main/StatusBarPanel.h"
#include "ui/main/TransferMessages.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace q7582 {

TransferController::TransferController(LinkShared& shared, StatusBarPanel& statusBar, DialogProvider& dialogs,
                                       const Provenance& provenance, std::function<bool()> generatorMode,
                                       QWidget* window)
    : QObject(window), shared_(shared), statusBar_(statusBar), dialogs_(dialogs), provenance_(provenance),
      generatorMode_(std::move(generatorMode)), window_(window)
{
    closing_ = new ClosingGuard(shared_, closingHooks(), this);
    connect(&statusBar_, &StatusBarPanel::cancelClicked, this, &TransferController::cancel);
}

ClosingGuard::Hooks TransferController::closingHooks()
{
    ClosingGuard::Hooks hooks;
    hooks.configurationUnsaved = [this] { return provenance_.unsaved; };
    hooks.confirm = [this](const QString& question) {
        return dialogs_.yesNo(window_, QStringLiteral("Q7582 Manager"), question);
    };
    hooks.notice = [this](const QString& text) { statusBar_.showNotice(text, false); };
    hooks.closeWindow = [this] { window_->close(); };
    return hooks;
}

// Only a connected master serves a transfer; a generator never would, and the window
// would stay disabled waiting for it.
bool TransferController::masterServesTransfers(const QString& command)
{
    if (shared_.connectionState.load() == ConnectionState::Connected && !generatorMode_())
        return true;
    dialogs_.warning(window_, command, tr("No master connected"));
    return false;
}

bool TransferController::mayStart(TransferKind kind, const QString& command)
{
    return masterServesTransfers(command) && (!startCheck_ || startCheck_(kind));
}

void TransferController::startUpload()
{
    if (!mayStart(TransferKind::Upload, QStringLiteral("Upload"))
        || !mayReplaceConfiguration(dialogs_, window_, provenance_, QStringLiteral("Upload")))
        return;
    emit started();
    shared_.requests.uploadRequest = true;
    offerCancel(TransferKind::Upload);
}

void TransferController::startReadFirst()
{
    if (!masterServesTransfers(QStringLiteral("Upload")))
        return;
    emit started();
    shared_.requests.uploadRequest = true;
    offerCancel(TransferKind::Upload);
}

void TransferController::startDownload()
{
    if (!mayStart(TransferKind::Download, QStringLiteral("Download")))
        return;
    emit started();
    shared_.requests.downloadRequest = true;
}

void TransferController::offerCancel(std::optional<TransferKind> kind)
{
    cancellable_ = kind;
    statusBar_.offerCancel(kind.has_value());
}

void TransferController::transferEnded(const TransferReport& report)
{
    if (report.end == TransferEnd::Restarting) {
        statusBar_.showNotice(transferRestartText(report), false, whatHappened(report));
        offerCancel(report.kind);
        closing_->transferEnded(); // a closing program lets no restart begin
        return;
    }
    if (cancellable_ == report.kind)
        offerCancel(std::nullopt);
    if (report.end != TransferEnd::Cancelled)
        statusBar_.clearNotice(); // a restart or closing line no longer holds
    if (report.end == TransferEnd::Completed && isConfigurationTransfer(report.kind)) {
        partialDownload_ = false;
        const int master = shared_.withStatus([](const StatusBlock& s) { return s.masterAddress(); });
        statusBar_.showNotice(transferCompletedText(report.kind, master), true);
    }
    if (report.end == TransferEnd::Failed && report.kind == TransferKind::Download)
        partialDownload_ = true;
    emit captionChanged();
    if (report.end == TransferEnd::Failed)
        showFailure(transferFailureText(report));
    else
        closing_->transferEnded();
}

// Not inside the worker's call: the box waits for the user, the worker must not. A
// close waiting for this transfer goes on once the user has read what happened.
void TransferController::showFailure(const QString& text)
{
    QTimer::singleShot(0, this, [this, text] {
        dialogs_.error(window_, text);
        closing_->transferEnded();
    });
}

void TransferController::cancel()
{
    if (!cancellable_)
        return;
    // A running Upload sees its request gone at its next block and hands nothing over.
    shared_.requests.of(*cancellable_) = false;
    offerCancel(std::nullopt);
    statusBar_.showNotice(QCoreApplication::translate("TransferMessages", TransferCancelledNotice), true);
}

void TransferController::configurationReplaced()
{
    if (shared_.requests.uploadRequest.exchange(false)) {
        offerCancel(std::nullopt);
        statusBar_.showNotice(QCoreApplication::translate("TransferMessages", UploadDroppedNotice), true);
    }
    emit captionChanged();
}

} // namespace q7582
