#include "ui/config/TimerPage.h"

#include "ui/config/CellLabel.h"
#include "ui/config/EditorQuestions.h"
#include "ui/config/GridRules.h"
#include "ui/config/MessageEventPicker.h"
#include "ui/config/RepeatDaysRow.h"
#include "ui/config/TimerRules.h"
#include "ui/config/TimerSchedule.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace q7582 {

TimerPage::TimerPage(EditorSession& session, DialogProvider& dialogs, QWidget* parent)
    : QWidget(parent), session_(session), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TStimer"));
    build();
}

void TimerPage::showTimer()
{
    session_.selectedTimer = timerCombo_->currentIndex();
    TimerEventRecord r = record();

    if (repairStart(r, now_()))
        session_.markModified();
    schedule_->showStart();

    if (repairTimerPriority(r))
        session_.markModified();
    {
        const QSignalBlocker block(priorityCombo_);
        priorityCombo_->setCurrentIndex(r.priority() - 1);
    }

    if (repairOutputEvent(r))
        session_.markModified();
    showOutputEvent(r.outputEvent());

    const int transition = settleEdges(r);
    risingEdgeButton_->setChecked(transition == 1);
    fallingEdgeButton_->setChecked(transition == 2);

    schedule_->showPeriod(settlePeriod(r));

    repeatRow_->showDays(settleRepeatDays(r));

    const SlotScan scan = scanSlots(r);
    eventPicker_->showChosen(scan.events);
    if (scan.hadInvalid) {
        writeChosenEvents();
        session_.markModified();
    }

    showEnabled(settleEnabled(r, eventPicker_->chosenCount() == 0));
    session_.noteShown();
}

void TimerPage::selectSessionTimer()
{
    const QSignalBlocker block(timerCombo_);
    timerCombo_->setCurrentIndex(session_.selectedTimer);
}

void TimerPage::showOutputEvent(int code)
{
    outputEventCell_->setText(outputEventText(code));
    outputEventCell_->setColour(outputEventOnRed(code) ? CellColour::Red : CellColour::White);
}

void TimerPage::showEnabled(bool on)
{
    enabledButton_->setChecked(on);
    enabledButton_->setText(on ? tr("On") : tr("Off"));
}

void TimerPage::priorityChanged()
{
    TimerEventRecord r = record();
    if (r.priority() == priorityCombo_->currentIndex() + 1)
        return;
    r.setPriority(priorityCombo_->currentIndex() + 1);
    session_.markModified();
}

void TimerPage::enabledClicked()
{
    TimerEventRecord r = record();
    if (eventPicker_->chosenCount() == 0 && r.outputEvent() == 0) {
        // Nothing to do: such a timer cannot be enabled, and the user is told why.
        const bool tried = enabledButton_->isChecked();
        showEnabled(false);
        r.setEnabled(false);
        if (tried)
            dialogs_.warning(this, QString(), tr(TimerWithNothingToDo));
        return;
    }
    r.setEnabled(enabledButton_->isChecked());
    showEnabled(enabledButton_->isChecked());
    session_.markModified();
}

void TimerPage::repeatKindClicked(Byte days)
{
    TimerEventRecord r = record();
    if (repeatKind(r.repeatDays()) == repeatKind(days))
        return;
    r.setRepeatDays(days);
    session_.markModified();
    showTimer();
}

void TimerPage::dayClicked()
{
    // Releasing every day leaves 0: the timer shows as one-time when next shown.
    record().setRepeatDays(repeatRow_->pressedDays());
    session_.markModified();
}

void TimerPage::risingEdgeClicked()
{
    if (risingEdgeButton_->isChecked())
        fallingEdgeButton_->setChecked(false);
    setEdges(record(), risingEdgeButton_->isChecked(), false);
    session_.markModified();
}

void TimerPage::fallingEdgeClicked()
{
    if (fallingEdgeButton_->isChecked())
        risingEdgeButton_->setChecked(false);
    setEdges(record(), false, fallingEdgeButton_->isChecked());
    session_.markModified();
}

void TimerPage::editTimerOutputEvent()
{
    const auto a = askOutputEvent(dialogs_, this, outputEventCell_->text());
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    showOutputEvent(a->value);
    record().setOutputEvent(Byte(a->value));
}

void TimerPage::addChosenEvents()
{
    if (eventPicker_->addHighlighted())
        writeChosenEvents();
    session_.markModified();
}

void TimerPage::removeChosenEvents()
{
    if (!eventPicker_->removeHighlighted())
        return;
    writeChosenEvents();
    TimerEventRecord r = record();
    if (eventPicker_->chosenCount() == 0 && r.outputEvent() == 0) {
        r.setEnabled(false);
        showEnabled(false);
    }
    session_.markModified();
}

void TimerPage::writeChosenEvents() { rewriteSlots(record(), eventPicker_->chosenEvents()); }

} // namespace q7582
