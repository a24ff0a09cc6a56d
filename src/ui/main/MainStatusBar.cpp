// TForm1: the status bar (connection icon, progress, activity, configuration caption,
// access hint) and the observer calls that update it.

#include "ui/main/ConnectionIcon.h"
#include "ui/main/DeviceHint.h"
#include "ui/main/Main.h"

#include <QHBoxLayout>
#include <QLabel>
#include "ui/main/Meter.h"
#include <QStatusBar>

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

void TForm1::buildStatusBar()
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
    progressBar1_ = new Meter(16, progressPanel);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setFixedHeight(14);
    auto* layout = new QHBoxLayout(progressPanel);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(progressBar1_, 0, Qt::AlignVCenter);

    activityText_ = makePanelText(bar, QStringLiteral("StatusBar1Panel2"), 100, Qt::AlignHCenter);
    captionText_ = makePanelText(bar, QStringLiteral("StatusBar1Panel3"), 300, Qt::AlignHCenter);
    accessText_ = makePanelText(bar, QStringLiteral("StatusBar1Panel4"), 70, Qt::AlignHCenter);
}

void TForm1::repaintStatusBar()
{
    connectionIcon_->update();
    updateMasterControls();
    showAccess();
}

void TForm1::showActivity()
{
    const int index = shared_.activityIndex.load();
    const bool known = index >= 0 && index < int(ActivityNames.size());
    activityText_->setText(known ? QString::fromLatin1(ActivityNames[std::size_t(index)]) : QString());
    progressBar1_->setValue(shared_.progressPosition.load());
    showAccess();
}

// The device is there but cannot be had: say why, and what fixes it.
void TForm1::showAccess()
{
    const DeviceHint hint = deviceHint(OpenFailure(shared_.openFailure.load()));
    accessText_->setText(hint.text);
    accessText_->setToolTip(hint.toolTip);
}

void TForm1::captionRefresh() { captionText_->setText(configurationCaption(provenance_, generatorMode_)); }

} // namespace q7582
