// The controls of the timer events page and their places.

#include "ui/config/CellLabel.h"
#include "ui/config/EditorPictures.h"
#include "ui/config/MessageEventPicker.h"
#include "ui/config/PlacedControls.h"
#include "ui/config/RepeatDaysRow.h"
#include "ui/config/SelectorCombo.h"
#include "ui/config/TimerPage.h"
#include "ui/config/TimerSchedule.h"

#include <QComboBox>

namespace q7582 {

using placed::label;
using placed::place;
using placed::toggle;

void TimerPage::build()
{
    timerCombo_ = new SelectorCombo(this, "CBTimer", {10, 10, 130, 22});
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t)
        timerCombo_->addItem(tr("Timer event ") + QString::number(t));
    label(this, tr("Priority"), 155, 10, 45);
    priorityCombo_ = place(new QComboBox(this), "CBpty", 205, 10, 45);
    for (int p = 1; p <= 7; ++p)
        priorityCombo_->addItem(QString::number(p));
    label(this, tr("Enabled"), 265, 10, 50);
    enabledButton_ = toggle(this, tr("Off"), "SpeedButton9", 320, 10, 60);
    repeatRow_ = place(new RepeatDaysRow(this), nullptr, 10, 38, 494, 26);

    schedule_ = place(new TimerSchedule(session_, dialogs_, this), nullptr, 10, 72, 420, 78);
    buildOutputEventControls();
    eventPicker_ = place(new MessageEventPicker(this), nullptr, 505, 2, 311, 242);
    connectControls();
}

void TimerPage::buildOutputEventControls()
{
    label(this, tr("Timer output event"), 10, 165, 125);
    outputEventCell_ = place(new CellLabel(QString(), this), "SToe", 138, 165, 50, 21);
    risingEdgeButton_ = toggle(this, QString(), "SBsuT", 194, 164, 24, 23);
    risingEdgeButton_->setIcon(QIcon(editorPictures::risingEdge()));
    risingEdgeButton_->setToolTip(tr("Rising edge"));
    fallingEdgeButton_ = toggle(this, QString(), "SBgiuT", 220, 164, 24, 23);
    fallingEdgeButton_->setIcon(QIcon(editorPictures::fallingEdge()));
    fallingEdgeButton_->setToolTip(tr("Falling edge"));
}

void TimerPage::connectControls()
{
    connect(timerCombo_, &QComboBox::currentIndexChanged, this, &TimerPage::showTimer);
    connect(priorityCombo_, &QComboBox::currentIndexChanged, this, &TimerPage::priorityChanged);
    connect(enabledButton_, &QPushButton::clicked, this, &TimerPage::enabledClicked);
    connect(repeatRow_, &RepeatDaysRow::kindClicked, this, &TimerPage::repeatKindClicked);
    connect(repeatRow_, &RepeatDaysRow::dayClicked, this, &TimerPage::dayClicked);
    connect(schedule_, &TimerSchedule::periodicChanged, this, &TimerPage::showTimer);
    connect(risingEdgeButton_, &QPushButton::clicked, this, &TimerPage::risingEdgeClicked);
    connect(fallingEdgeButton_, &QPushButton::clicked, this, &TimerPage::fallingEdgeClicked);
    connect(outputEventCell_, &CellLabel::clicked, this, &TimerPage::editTimerOutputEvent);
    connect(eventPicker_, &MessageEventPicker::addClicked, this, &TimerPage::addChosenEvents);
    connect(eventPicker_, &MessageEventPicker::removeClicked, this, &TimerPage::removeChosenEvents);
}

} // namespace q7582
