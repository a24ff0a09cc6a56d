#include "ui/main/StatusBarPanel.h"

#include "link/LinkShared.h"
#include "ui/main/ConnectionIcon.h"
#include "ui/main/DeviceHint.h"
#include "ui/main/Meter.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
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

StatusBarPanel::StatusBarPanel(const LinkShared& shared, QMainWindow* window) : QStatusBar(window), shared_(shared)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    // As QMainWindow makes its own: the panels' widths never widen the window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    connectionIcon_ = new ConnectionIcon(shared_.connectionState, this);
    connectionIcon_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    connectionIcon_->setFixedWidth(100);
    addWidget(connectionIcon_);

    auto* progressPanel = new QWidget(this);
    progressPanel->setObjectName(QStringLiteral("StatusBar1Panel1"));
    progressPanel->setFixedWidth(100);
    addWidget(progressPanel);
    progressBar_ = new Meter(16, progressPanel);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setFixedHeight(14);
    auto* layout = new QHBoxLayout(progressPanel);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(progressBar_, 0, Qt::AlignVCenter);
    buildCancelButton(progressPanel, window);

    activityText_ = makePanelText(this, QStringLiteral("StatusBar1Panel2"), 100, Qt::AlignHCenter);
    // No higher than the text panels: a higher bar would leave the window's content too
    // little room, and it would scroll while the button shows.
    cancelButton_->setFixedHeight(activityText_->sizeHint().height());
    captionText_ = makePanelText(this, QStringLiteral("StatusBar1Panel3"), 300, Qt::AlignHCenter);
    setCaptionWidth(300);
    accessText_ = makePanelText(this, QStringLiteral("StatusBar1Panel4"), 70, Qt::AlignHCenter);
    siteText_ = makePanelText(this, QStringLiteral("StatusBar1Panel5"), 150, Qt::AlignLeft);
    siteText_->hide();

    // A timed notice in panel 3 gives way to the configuration caption again.
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setSingleShot(true);
    noticeTimer_->setInterval(8000);
    connect(noticeTimer_, &QTimer::timeout, this, &StatusBarPanel::clearNotice);
}

void StatusBarPanel::showSite(const QString& name)
{
    siteText_->setText(fontMetrics().elidedText(name, Qt::ElideRight, siteText_->width() - 6));
    siteText_->setToolTip(name);
    siteText_->setVisible(!name.isEmpty());
}

// Beside the progress bar, shown while an Upload runs or a failed transfer waits to
// restart; Esc does the same from anywhere in the window.
void StatusBarPanel::buildCancelButton(QWidget* progressPanel, QMainWindow* window)
{
    cancelButton_ = new QToolButton(progressPanel);
    cancelButton_->setObjectName(QStringLiteral("CancelTransfer"));
    cancelButton_->setText(tr("Cancel"));
    cancelButton_->setToolTip(tr("Cancel the transfer (Esc)"));
    cancelButton_->hide();
    progressPanel->layout()->addWidget(cancelButton_);
    connect(cancelButton_, &QToolButton::clicked, this, &StatusBarPanel::cancelClicked);

    // Enabled only with the button, so that Esc means nothing else meanwhile.
    cancelKey_ = new QAction(window);
    cancelKey_->setObjectName(QStringLiteral("CancelTransferKey"));
    cancelKey_->setShortcut(QKeySequence(Qt::Key_Escape));
    cancelKey_->setEnabled(false);
    connect(cancelKey_, &QAction::triggered, this, &StatusBarPanel::cancelClicked);
    window->addAction(cancelKey_);
}

void StatusBarPanel::showConnection() { connectionIcon_->update(); }

void StatusBarPanel::showActivity()
{
    activityText_->setText(QString::fromLatin1(activityName(shared_.activityIndex.load())));
    progressBar_->setValue(shared_.progressPosition.load());
    showAccess();
}

void StatusBarPanel::showAccess()
{
    const DeviceHint hint = deviceHint(shared_.openFailure.load());
    accessText_->setText(hint.text);
    accessText_->setToolTip(hint.toolTip);
}

void StatusBarPanel::showCaption(const QString& caption, const QString& toolTip)
{
    captionText_->setText(notice_.isEmpty() ? caption : notice_);
    captionText_->setToolTip(notice_.isEmpty() ? toolTip : noticeDetail_);
}

void StatusBarPanel::setCaptionWidth(int least, int most)
{
    captionText_->setMinimumWidth(least);
    captionText_->setMaximumWidth(most);
}

void StatusBarPanel::showNotice(const QString& text, bool timed, const QString& detail)
{
    notice_ = text;
    noticeDetail_ = detail;
    if (timed)
        noticeTimer_->start();
    else
        noticeTimer_->stop();
    emit noticeChanged();
}

void StatusBarPanel::clearNotice()
{
    noticeTimer_->stop();
    notice_.clear();
    noticeDetail_.clear();
    emit noticeChanged();
}

void StatusBarPanel::offerCancel(bool offered)
{
    cancelButton_->setVisible(offered);
    cancelKey_->setEnabled(offered);
}

} // namespace q7582
