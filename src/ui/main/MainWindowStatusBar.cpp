// MainWindow: the observer calls that update the status bar, and the transfer the
// Cancel button and Esc withdraw.

#include "ui/main/MainWindow.h"
#include "ui/main/StatusBarPanel.h"
#include "ui/main/TransferMessages.h"

namespace q7582 {

void MainWindow::repaintStatusBar()
{
    statusBar_->showConnection();
    updateMasterControls();
    statusBar_->showAccess();
}

void MainWindow::showActivity() { statusBar_->showActivity(); }

void MainWindow::offerCancel(std::optional<TransferKind> kind)
{
    cancellable_ = kind;
    statusBar_->offerCancel(kind.has_value());
}

// Panel 3 shows a notice while there is one; the window's title carries the partial
// download mark too, so it stays in sight.
void MainWindow::captionRefresh()
{
    const QString mark = partialDownload_ ? PartialDownloadMark : QString();
    statusBar_->showCaption(configurationCaption(provenance_, generatorMode_) + mark);
    setWindowTitle((generatorMode_ ? QStringLiteral("RKDV7582 Manager") : QStringLiteral("Q7582 Manager")) + mark);
}

} // namespace q7582
