#include "ui/main/MasterPanel.h"

#include "ui/common/HelpContexts.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/StatusRules.h"
#include "ui/main/Widgets.h"

#include <QLabel>
#include <QPushButton>

namespace q7582 {
namespace {

QString onOff(bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); }

} // namespace

MasterPanel::MasterPanel(QWidget* parent) : Panel(tr("Master"), parent)
{
    placePanel(this, "PanelAddr", QRect(574, 380, 272, 216), "BbAddr", HelpContext::MasterPanel);
    labels_.push_back(makeLabel(this, tr("Master address"), QRect(8, 26, 100, 16), "LabelAddr"));
    address_ = makeText(this, QStringLiteral("STAddr"), QRect(120, 24, 40, 18));
    address_->setToolTip(tr("Double click to change the master address"));
    labels_.push_back(makeLabel(this, tr("Chime enable"), QRect(8, 54, 100, 16), "LabelChime"));
    chime_ = makeToggle(this, "SPChime", QStringLiteral("OFF"), QRect(120, 48, 60, 26));
    labels_.push_back(makeLabel(this, tr("Master Date"), QRect(8, 86, 90, 16), "LabelMDate"));
    date_ = makeText(this, QStringLiteral("STMDate"), QRect(100, 84, 160, 18));
    labels_.push_back(makeLabel(this, tr("Master Time"), QRect(8, 110, 90, 16), "LabelMTime"));
    time_ = makeText(this, QStringLiteral("STMTime"), QRect(100, 108, 160, 18));
    align_ = new QPushButton(tr("Align Date and Time with PC"), this);
    align_->setObjectName(QStringLiteral("SPTime"));
    align_->setGeometry(8, 138, 256, 28);
    summerTime_ = makeToggle(this, "SPLegalTime", summerTimeCaption(false), QRect(8, 174, 256, 28));

    connect(address_, &ClickLabel::doubleClicked, this, &MasterPanel::addressDoubleClicked);
    connect(align_, &QPushButton::clicked, this, &MasterPanel::alignClicked);
    connect(chime_, &QPushButton::clicked, this, [this] {
        chime_->setText(onOff(chime_->isChecked()));
        emit chimeClicked(chime_->isChecked());
    });
    connect(summerTime_, &QPushButton::clicked, this, [this] {
        summerTime_->setText(summerTimeCaption(summerTime_->isChecked()));
        emit summerTimeClicked(summerTime_->isChecked());
    });
}

QString MasterPanel::addressText() const { return address_->text(); }

void MasterPanel::setAddressText(const QString& text) { address_->setText(text); }

bool MasterPanel::addressEnabled() const { return address_->isEnabled(); }

bool MasterPanel::chimeOn() const { return chime_->isChecked(); }

bool MasterPanel::summerTimeOff() const { return summerTime_->isChecked(); }

void MasterPanel::showAddress(int address) { address_->setText(QString::number(address)); }

void MasterPanel::showChime(bool on)
{
    chime_->setChecked(on);
    chime_->setText(onOff(on));
}

void MasterPanel::showSummerTimeOff(bool off)
{
    summerTime_->setChecked(off);
    summerTime_->setText(summerTimeCaption(off));
}

void MasterPanel::showClock(const ClockTime& clock)
{
    const auto texts = clockTexts(clock, QLocale::system());
    clockValid_ = texts.has_value();
    date_->setText(texts ? texts->date : QStringLiteral("-"));
    time_->setText(texts ? texts->time : QStringLiteral("-"));
    updateEnabled();
}

void MasterPanel::setConnected(bool connected)
{
    connected_ = connected;
    updateEnabled();
}

void MasterPanel::updateEnabled()
{
    for (QWidget* w : {static_cast<QWidget*>(address_), static_cast<QWidget*>(chime_), static_cast<QWidget*>(date_),
                       static_cast<QWidget*>(time_)})
        w->setEnabled(connected_);
    for (QWidget* w : labels_)
        w->setEnabled(connected_);
    align_->setEnabled(connected_ && clockValid_);
    summerTime_->setEnabled(connected_ && clockValid_);
}

} // namespace q7582
