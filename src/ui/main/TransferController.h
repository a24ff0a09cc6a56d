#pragma once
// The configuration transfers as the window sees them: Upload and Download start here,
// the Cancel button and Esc withdraw one, a failed one is told and marks a partial
// Download, and a close request waits for a running one (through ClosingGuard). The
// link's request flags are atomics; every call here runs on the main thread.

#include "link/LinkShared.h"
#include "link/TransferReport.h"
#include "ui/main/ClosingGuard.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace q7582 {

class DialogProvider;
class StatusBarPanel;
struct Provenance;

class TransferController : public QObject {
    Q_OBJECT
public:
    // window: the parent of the boxes and of this object, closed once a close may go on.
    // generatorMode: whether a generator, which serves no transfer, is connected.
    TransferController(LinkShared& shared, StatusBarPanel& statusBar, DialogProvider& dialogs,
                       const Provenance& provenance, std::function<bool()> generatorMode, QWidget* window);

    void startUpload();
    void startDownload();
    // An Upload that leaves the configuration in memory alone (the window keeps what it
    // reads in the history only): asks nothing but whether a master serves it.
    void startReadFirst();
    // Asked before an Upload or a Download starts; false leaves the master untouched.
    void setStartCheck(std::function<bool(TransferKind)> check) { startCheck_ = std::move(check); }
    // Withdraws an Upload or a transfer waiting to restart.
    void cancel();
    void transferEnded(const TransferReport& report);
    // Open, Load Default or the editor replaced the configuration: a pending Upload
    // must not overwrite it.
    void configurationReplaced();
    // Whether a close request may close the window now.
    bool allowClose(CloseSource source) { return closing_->allowClose(source); }
    bool closingWhenTransferEnds() const { return closing_->waitingForTransfer(); }
    // The master holds a partial configuration since a Download failed.
    bool partialDownload() const { return partialDownload_; }

signals:
    // A transfer was asked for: the window disables all but its status bar.
    void started();
    // The partial-download mark or the notice may have changed.
    void captionChanged();

private:
    bool masterServesTransfers(const QString& command);
    bool mayStart(TransferKind kind, const QString& command);
    // The Cancel button and Esc withdraw this transfer's request; nothing: both idle.
    void offerCancel(std::optional<TransferKind> kind);
    ClosingGuard::Hooks closingHooks();
    void showFailure(const QString& text);

    LinkShared& shared_;
    StatusBarPanel& statusBar_;
    DialogProvider& dialogs_;
    const Provenance& provenance_;
    std::function<bool()> generatorMode_;
    std::function<bool(TransferKind)> startCheck_;
    QWidget* window_;
    ClosingGuard* closing_;
    std::optional<TransferKind> cancellable_;
    bool partialDownload_ = false;
};

} // namespace q7582
