#include "ui/config/TimerPage.h"

#include "ui/config/CellLabel.h"
#include "ui/config/DialogAnswers.h"
#include "ui/config/EditorQuestions.h"
#include "ui/config/GridRules.h"
#include "ui/config/TimerRules.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace q7582 {

TimerPage::TimerPage(EditorSession& session, DialogProvider& dialogs, QWidget* parent)
    : QWidget(parent), session_(session), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TStimer"));
    build();
}

TimerEventRecord TimerPage::record() { return session_.workingCopy.timer(session_.selectedTimer + 1); }

void TimerPage::showTimer()
{
    session_.selectedTimer = timerCombo_->currentIndex();
    TimerEventRecord r = record();

    if (repairStart(r, now_()))
        session_.markModified();
    putRecordIntoPickers();

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

    const bool periodic = settlePeriod(r);
    showPeriodic(periodic, r.startSecondOfDay(), r.durationSeconds());
    intervalCell_->setText(QString::number(r.periodSeconds()));

    showRepeatDays(settleRepeatDays(r));

    chosenEventList_->clear();
    const SlotScan scan = scanSlots(r);
    for (int e : scan.events)
        chosenEventList_->addItem(messageEventList_->item(e - 1)->text());
    if (scan.hadInvalid) {
        writeChosenEvents();
        session_.markModified();
    }

    showEnabled(settleEnabled(r, chosenEventList_->count() == 0));
}

void TimerPage::putRecordIntoPickers()
{
    const TimerEventRecord r = record();
    const QSignalBlocker day(startDateEdit_), time(startTimeEdit_);
    startDateEdit_->setDate(startDate(r));
    startTimeEdit_->setTime(startTime(r));
}

void TimerPage::setStopTime(int second)
{
    const QSignalBlocker block(stopTimeEdit_);
    stopTimeEdit_->setTime(QTime(0, 0).addSecs(second));
}

void TimerPage::showOutputEvent(int code)
{
    outputEventCell_->setText(outputEventText(code));
    outputEventCell_->setColour(outputEventOnRed(code) ? CellColour::Red : CellColour::White);
}

void TimerPage::showPeriodic(bool periodic, int startSecond, unsigned duration)
{
    periodicButton_->setChecked(periodic);
    periodicButton_->setText(periodic ? QStringLiteral("Reset periodic event") : QStringLiteral("Set periodic event"));
    intervalCell_->setEnabled(periodic);
    stopTimeEdit_->setEnabled(periodic);
    startDateCaption_->setText(periodic ? QStringLiteral("Start event date") : QStringLiteral("Event date"));
    startTimeCaption_->setText(periodic ? QStringLiteral("Start event time") : QStringLiteral("Event time"));
    setStopTime(periodic ? startSecond + int(duration) : startSecond);
}

void TimerPage::showRepeatDays(Byte days)
{
    oneTimeRadio_->setChecked(days == 0);
    dailyRadio_->setChecked(days == TimerEventRecord::Daily);
    const bool weekly = days != 0 && days != TimerEventRecord::Daily;
    weeklyRadio_->setChecked(weekly);
    daysPanel_->setVisible(weekly);
    if (weekly)
        for (int d = 0; d < 7; ++d)
            days_[d]->setChecked(days & (1 << d));
}

void TimerPage::showEnabled(bool on)
{
    enabledButton_->setChecked(on);
    enabledButton_->setText(on ? QStringLiteral("On") : QStringLiteral("Off"));
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
    if (chosenEventList_->count() == 0 && r.outputEvent() == 0) {
        // Nothing to do: such a timer cannot be enabled.
        showEnabled(false);
        r.setEnabled(false);
        return;
    }
    r.setEnabled(enabledButton_->isChecked());
    showEnabled(enabledButton_->isChecked());
    session_.markModified();
}

void TimerPage::oneTimeClicked()
{
    TimerEventRecord r = record();
    if (r.repeatDays() == 0)
        return;
    daysPanel_->hide();
    r.setRepeatDays(0);
    session_.markModified();
    showTimer();
}

void TimerPage::dailyClicked()
{
    TimerEventRecord r = record();
    if (r.repeatDays() == TimerEventRecord::Daily)
        return;
    daysPanel_->hide();
    r.setRepeatDays(TimerEventRecord::Daily);
    session_.markModified();
    showTimer();
}

void TimerPage::weeklyClicked()
{
    TimerEventRecord r = record();
    if (r.repeatDays() != 0 && r.repeatDays() != TimerEventRecord::Daily)
        return;
    daysPanel_->show();
    r.setRepeatDays(1); // Monday only
    days_[0]->setChecked(true);
    session_.markModified();
    showTimer();
}

void TimerPage::dayClicked()
{
    Byte days = 0;
    for (int d = 0; d < 7; ++d)
        if (days_[d]->isChecked())
            days |= Byte(1 << d);
    // Releasing every day leaves 0: the timer shows as one-time when next shown.
    record().setRepeatDays(days);
    session_.markModified();
}

void TimerPage::periodicClicked()
{
    record().setPeriodSeconds(periodicButton_->isChecked() ? ForcedDuration : 0);
    session_.markModified();
    showTimer();
}

void TimerPage::editInterval()
{
    if (!intervalCell_->isEnabled())
        return;
    const int upper = periodUpperBound(secondOfDay(startTimeEdit_->time()));
    const auto a =
        askNumber(dialogs_, this, QStringLiteral("Change interval time"), QStringLiteral("Seconds 10...43200"),
                  intervalCell_->text(), [upper](const QString& text) { return acceptPeriod(text, upper); });
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    intervalCell_->setText(QString::number(a->value));
    record().setPeriodSeconds(std::uint16_t(a->value));
}

void TimerPage::startDateChanged()
{
    writeStart(record(), startDateEdit_->date(), startTimeEdit_->time());
    session_.markModified();
}

void TimerPage::startTimeChanged()
{
    TimerEventRecord r = record();
    if (periodicButton_->isChecked()) {
        const int s = secondOfDay(startTimeEdit_->time()), e = secondOfDay(stopTimeEdit_->time());
        if (s >= e) {
            putRecordIntoPickers();
            dialogs_.warning(this, QString(),
                             QStringLiteral("Invalid 'Start event time' (must be lower than 'Stop time')"));
            return;
        }
        writeStart(r, startDateEdit_->date(), startTimeEdit_->time());
        r.setDurationSeconds(std::uint32_t(e - s));
    } else {
        writeStart(r, startDateEdit_->date(), startTimeEdit_->time());
    }
    session_.markModified();
}

void TimerPage::stopTimeChanged()
{
    TimerEventRecord r = record();
    const int s = secondOfDay(startTimeEdit_->time()), e = secondOfDay(stopTimeEdit_->time());
    if (e <= s) {
        setStopTime(s + int(r.durationSeconds()));
        dialogs_.warning(this, QString(),
                         QStringLiteral("Invalid 'Stop time' (must be higher than 'Start event time')"));
        return;
    }
    r.setDurationSeconds(std::uint32_t(e - s));
    setStopTime(s + int(r.durationSeconds()));
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
    std::vector<int> listed;
    for (int i = 0; i < chosenEventList_->count(); ++i)
        listed.push_back(i); // only the count matters for the room left
    std::vector<int> chosen;
    for (int i = 0; i < messageEventList_->count(); ++i)
        if (messageEventList_->item(i)->isSelected())
            chosen.push_back(i);
    if (!chosen.empty()) {
        const std::vector<int> added = addToSelection(listed, chosen);
        for (std::size_t i = listed.size(); i < added.size(); ++i)
            chosenEventList_->addItem(messageEventList_->item(added[i])->text());
        writeChosenEvents();
    }
    session_.markModified();
}

void TimerPage::removeChosenEvents()
{
    const QList<QListWidgetItem*> selected = chosenEventList_->selectedItems();
    if (selected.isEmpty())
        return;
    qDeleteAll(selected);
    writeChosenEvents();
    TimerEventRecord r = record();
    if (chosenEventList_->count() == 0 && r.outputEvent() == 0) {
        r.setEnabled(false);
        showEnabled(false);
    }
    session_.markModified();
}

void TimerPage::writeChosenEvents()
{
    std::vector<int> events;
    for (int i = 0; i < chosenEventList_->count(); ++i) {
        const QList<QListWidgetItem*> same =
            messageEventList_->findItems(chosenEventList_->item(i)->text(), Qt::MatchExactly);
        if (!same.isEmpty())
            events.push_back(messageEventList_->row(same.first()) + 1);
    }
    rewriteSlots(record(), events);
}

} // namespace q7582
