// MainWindow: the status bar (connection icon, progress, activity, configuration caption,
// access hint) and the observer calls that update it.

#include "ui/main/ConnectionIcon.h"
#include "ui/main/DeviceHint.h"
#include "ui/main/MainWindow.h"

#include "ui/main/Meter.h"
#include "ui/main/TransferMessages.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace q7582 {
namespace {

QLabel* makePanelText(QStatusBar* bar, const QString& name, int width, Qt::Alignment align)
{
    auto* l = new QLabel(bar);
    l->setObjectName(name);
    l->setFixedWidth(width);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(l);
    return l;
}

} // namespace

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);

    connectionIcon_ = new ConnectionIcon(shared_.connectionState, bar);
    connectionIcon_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    connectionIcon_->setFixedWidth(100);
    bar->addWidget(connectionIcon_);

    auto* progressPanel = new QWidget(bar);
    progressPanel->setObjectName(QStringLiteral("StatusBar1Panel1"));
    progressPanel->setFixedWidth(100);
    bar->addWidget(progressPanel);
    progressBar_ = new Meter(16, progressPanel);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setFixedHeight(14);
    auto* layout = new QHBoxLayout(progressPanel);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(progressBar_, 0, Qt::AlignVCenter);
    buildCancelButton(progressPanel);

    activityText_ = makePanelText(bar, QStringLiteral("StatusBar1Panel2"), 100, Qt::AlignHCenter);
    captionText_ = makePanelText(bar, QStringLiteral("StatusBar1Panel3"), 300, Qt::AlignHCenter);
    accessText_ = makePanelText(bar, QStringLiteral("StatusBar1Panel4"), 70, Qt::AlignHCenter);

    // A timed notice in panel 3 gives way to the configuration caption again.
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setSingleShot(true);
    noticeTimer_->setInterval(8000);
    connect(noticeTimer_, &QTimer::timeout, this, &MainWindow::clearNotice);
}

void MainWindow::repaintStatusBar()
{
    connectionIcon_->update();
    updateMasterControls();
    showAccess();
}

void MainWindow::showActivity()
{
    const int index = shared_.activityIndex.load();
    const bool known = index >= 0 && index < int(ActivityNames.size());
    activityText_->setText(known ? QString::fromLatin1(ActivityNames[std::size_t(index)]) : QString());
    progressBar_->setValue(shared_.progressPosition.load());
    showAccess();
}

// The device is there but cannot be had: say why, and what fixes it.
void MainWindow::showAccess()
{
    const DeviceHint hint = deviceHint(OpenFailure(shared_.openFailure.load()));
    accessText_->setText(hint.text);
    accessText_->setToolTip(hint.toolTip);
}

// Beside the progress bar, shown while an Upload runs or a failed transfer waits to
// restart; Esc does the same from anywhere in the window.
void MainWindow::buildCancelButton(QWidget* progressPanel)
{
    cancelButton_ = new QToolButton(progressPanel);
    cancelButton_->setObjectName(QStringLiteral("CancelTransfer"));
    cancelButton_->setText(QStringLiteral("Cancel"));
    cancelButton_->setToolTip(QStringLiteral("Cancel the transfer (Esc)"));
    cancelButton_->setFixedHeight(16);
    cancelButton_->hide();
    progressPanel->layout()->addWidget(cancelButton_);
    connect(cancelButton_, &QToolButton::clicked, this, &MainWindow::cancelTransfer);

    // Enabled only with the button, so that Esc means nothing else meanwhile.
    cancelKey_ = new QAction(this);
    cancelKey_->setObjectName(QStringLiteral("CancelTransferKey"));
    cancelKey_->setShortcut(QKeySequence(Qt::Key_Escape));
    cancelKey_->setEnabled(false);
    connect(cancelKey_, &QAction::triggered, this, &MainWindow::cancelTransfer);
    addAction(cancelKey_);
}

void MainWindow::offerCancel(std::optional<TransferKind> kind)
{
    cancellable_ = kind;
    cancelButton_->setVisible(kind.has_value());
    cancelKey_->setEnabled(kind.has_value());
}

void MainWindow::showNotice(const QString& text, bool timed, const QString& detail)
{
    notice_ = text;
    captionText_->setToolTip(detail);
    if (timed)
        noticeTimer_->start();
    else
        noticeTimer_->stop();
    captionRefresh();
}

void MainWindow::clearNotice()
{
    noticeTimer_->stop();
    notice_.clear();
    captionText_->setToolTip(QString());
    captionRefresh();
}

// Panel 3 shows a notice while there is one; the window's title carries the partial
// download mark too, so it stays in sight.
void MainWindow::captionRefresh()
{
    const QString mark = partialDownload_ ? PartialDownloadMark : QString();
    captionText_->setText(notice_.isEmpty() ? configurationCaption(provenance_, generatorMode_) + mark : notice_);
    setWindowTitle((generatorMode_ ? QStringLiteral("RKDV7582 Manager") : QStringLiteral("Q7582 Manager")) + mark);
}

} // namespace q7582
