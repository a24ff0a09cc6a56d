#include "ui/config/TimerPage.h"

#include "ui/config/CellLabel.h"
#include "ui/config/DialogAnswers.h"
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

TimerPage::TimerPage(EditorSession& session, EditorDialogs& dialogs, QWidget* parent)
    : QWidget(parent), session_(session), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TStimer"));
    build();
}

TimerEventRecord TimerPage::record() { return session_.WorkingCopy.timer(session_.SelectedTimer + 1); }

void TimerPage::showTimer()
{
    session_.SelectedTimer = CBTimer->currentIndex();
    TimerEventRecord r = record();

    if (repairStart(r, now_()))
        session_.markModified();
    putRecordIntoPickers();

    if (repairTimerPriority(r))
        session_.markModified();
    {
        const QSignalBlocker block(CBpty);
        CBpty->setCurrentIndex(r.priority() - 1);
    }

    if (repairOutputEvent(r))
        session_.markModified();
    showOutputEvent(r.outputEvent());

    const int transition = settleEdges(r);
    SBsuT->setChecked(transition == 1);
    SBgiuT->setChecked(transition == 2);

    const bool periodic = settlePeriod(r);
    showPeriodic(periodic, r.startSecondOfDay(), r.durationSeconds());
    STint->setText(QString::number(r.periodSeconds()));

    showRepeatDays(settleRepeatDays(r));

    ListBox2->clear();
    const SlotScan scan = scanSlots(r);
    for (int e : scan.events)
        ListBox2->addItem(ListBox1->item(e - 1)->text());
    if (scan.hadInvalid) {
        listaToConf();
        session_.markModified();
    }

    showEnabled(settleEnabled(r, ListBox2->count() == 0));
}

void TimerPage::putRecordIntoPickers()
{
    const TimerEventRecord r = record();
    const QSignalBlocker day(DTPday), time(DTPtime);
    DTPday->setDate(startDate(r));
    DTPtime->setTime(startTime(r));
}

void TimerPage::setStopTime(int second)
{
    const QSignalBlocker block(DTPstop);
    DTPstop->setTime(QTime(0, 0).addSecs(second));
}

void TimerPage::showOutputEvent(int code)
{
    SToe->setText(outputEventText(code));
    SToe->setColour(outputEventOnRed(code) ? CellColour::Red : CellColour::White);
}

void TimerPage::showPeriodic(bool periodic, int startSecond, unsigned duration)
{
    SBrepeat->setChecked(periodic);
    SBrepeat->setText(periodic ? QStringLiteral("Reset periodic event") : QStringLiteral("Set periodic event"));
    STint->setEnabled(periodic);
    DTPstop->setEnabled(periodic);
    STdateT->setText(periodic ? QStringLiteral("Start event date") : QStringLiteral("Event date"));
    STtimeT->setText(periodic ? QStringLiteral("Start event time") : QStringLiteral("Event time"));
    setStopTime(periodic ? startSecond + int(duration) : startSecond);
}

void TimerPage::showRepeatDays(Byte days)
{
    RBoneTime->setChecked(days == 0);
    RBdaily->setChecked(days == TimerEventRecord::Daily);
    const bool weekly = days != 0 && days != TimerEventRecord::Daily;
    RBweekly->setChecked(weekly);
    Panel2->setVisible(weekly);
    if (weekly)
        for (int d = 0; d < 7; ++d)
            days_[d]->setChecked(days & (1 << d));
}

void TimerPage::showEnabled(bool on)
{
    SpeedButton9->setChecked(on);
    SpeedButton9->setText(on ? QStringLiteral("On") : QStringLiteral("Off"));
}

void TimerPage::CBptyChange()
{
    TimerEventRecord r = record();
    if (r.priority() == CBpty->currentIndex() + 1)
        return;
    r.setPriority(CBpty->currentIndex() + 1);
    session_.markModified();
}

void TimerPage::SpeedButton9Click()
{
    TimerEventRecord r = record();
    if (ListBox2->count() == 0 && r.outputEvent() == 0) {
        // Nothing to do: such a timer cannot be enabled.
        showEnabled(false);
        r.setEnabled(false);
        return;
    }
    r.setEnabled(SpeedButton9->isChecked());
    showEnabled(SpeedButton9->isChecked());
    session_.markModified();
}

void TimerPage::RBoneTimeClick()
{
    TimerEventRecord r = record();
    if (r.repeatDays() == 0)
        return;
    Panel2->hide();
    r.setRepeatDays(0);
    session_.markModified();
    showTimer();
}

void TimerPage::RBdailyClick()
{
    TimerEventRecord r = record();
    if (r.repeatDays() == TimerEventRecord::Daily)
        return;
    Panel2->hide();
    r.setRepeatDays(TimerEventRecord::Daily);
    session_.markModified();
    showTimer();
}

void TimerPage::RBweeklyClick()
{
    TimerEventRecord r = record();
    if (r.repeatDays() != 0 && r.repeatDays() != TimerEventRecord::Daily)
        return;
    Panel2->show();
    r.setRepeatDays(1); // Monday only
    days_[0]->setChecked(true);
    session_.markModified();
    showTimer();
}

void TimerPage::SBClick()
{
    Byte days = 0;
    for (int d = 0; d < 7; ++d)
        if (days_[d]->isChecked())
            days |= Byte(1 << d);
    // Releasing every day leaves 0: the timer shows as one-time when next shown.
    record().setRepeatDays(days);
    session_.markModified();
}

void TimerPage::SBrepeatClick()
{
    record().setPeriodSeconds(SBrepeat->isChecked() ? ForcedDuration : 0);
    session_.markModified();
    showTimer();
}

void TimerPage::STintClick()
{
    if (!STint->isEnabled())
        return;
    const int upper = periodUpperBound(secondOfDay(DTPtime->time()));
    const auto a = askUntilValid(dialogs_, this, QStringLiteral("Change interval time"),
                                 QStringLiteral("Seconds 10...43200"), STint->text(),
                                 [upper](const QString& text) { return acceptPeriod(text, upper); });
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    STint->setText(QString::number(a->value));
    record().setPeriodSeconds(std::uint16_t(a->value));
}

void TimerPage::DTPdayChange()
{
    writeStart(record(), DTPday->date(), DTPtime->time());
    session_.markModified();
}

void TimerPage::DTPtimeChange()
{
    TimerEventRecord r = record();
    if (SBrepeat->isChecked()) {
        const int s = secondOfDay(DTPtime->time()), e = secondOfDay(DTPstop->time());
        if (s >= e) {
            putRecordIntoPickers();
            dialogs_.message(this, QString(), QStringLiteral("Invalid 'Start event time' (must be lower than 'Stop time')"));
            return;
        }
        writeStart(r, DTPday->date(), DTPtime->time());
        r.setDurationSeconds(std::uint32_t(e - s));
    } else {
        writeStart(r, DTPday->date(), DTPtime->time());
    }
    session_.markModified();
}

void TimerPage::DTPstopChange()
{
    TimerEventRecord r = record();
    const int s = secondOfDay(DTPtime->time()), e = secondOfDay(DTPstop->time());
    if (e <= s) {
        setStopTime(s + int(r.durationSeconds()));
        dialogs_.message(this, QString(), QStringLiteral("Invalid 'Stop time' (must be higher than 'Start event time')"));
        return;
    }
    r.setDurationSeconds(std::uint32_t(e - s));
    setStopTime(s + int(r.durationSeconds()));
    session_.markModified();
}

void TimerPage::SBsuTClick()
{
    if (SBsuT->isChecked())
        SBgiuT->setChecked(false);
    setEdges(record(), SBsuT->isChecked(), false);
    session_.markModified();
}

void TimerPage::SBgiuTClick()
{
    if (SBgiuT->isChecked())
        SBsuT->setChecked(false);
    setEdges(record(), false, SBgiuT->isChecked());
    session_.markModified();
}

void TimerPage::SToeClick()
{
    const auto a = askOutputEvent(dialogs_, this, SToe->text());
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    showOutputEvent(a->value);
    record().setOutputEvent(Byte(a->value));
}

void TimerPage::Button2Click()
{
    std::vector<int> listed;
    for (int i = 0; i < ListBox2->count(); ++i)
        listed.push_back(i); // only the count matters for the room left
    std::vector<int> chosen;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected())
            chosen.push_back(i);
    if (!chosen.empty()) {
        const std::vector<int> added = addToSelection(listed, chosen);
        for (std::size_t i = listed.size(); i < added.size(); ++i)
            ListBox2->addItem(ListBox1->item(added[i])->text());
        listaToConf();
    }
    session_.markModified();
}

void TimerPage::Button1Click()
{
    const QList<QListWidgetItem*> selected = ListBox2->selectedItems();
    if (selected.isEmpty())
        return;
    qDeleteAll(selected);
    listaToConf();
    TimerEventRecord r = record();
    if (ListBox2->count() == 0 && r.outputEvent() == 0) {
        r.setEnabled(false);
        showEnabled(false);
    }
    session_.markModified();
}

void TimerPage::listaToConf()
{
    std::vector<int> events;
    for (int i = 0; i < ListBox2->count(); ++i) {
        const QList<QListWidgetItem*> same = ListBox1->findItems(ListBox2->item(i)->text(), Qt::MatchExactly);
        if (!same.isEmpty())
            events.push_back(ListBox1->row(same.first()) + 1);
    }
    rewriteSlots(record(), events);
}

} // namespace q7582
