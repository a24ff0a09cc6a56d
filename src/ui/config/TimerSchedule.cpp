#include "ui/config/TimerSchedule.h"

#include "ui/config/CellLabel.h"
#include "ui/config/DialogAnswers.h"
#include "ui/config/EditorQuestions.h"
#include "ui/config/PlacedControls.h"
#include "ui/config/TimerRules.h"

#include <QDateEdit>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace q7582 {

using placed::label;
using placed::place;

namespace {

QTimeEdit* timePicker(QWidget* parent, const char* name, int x, int y)
{
    auto* t = place(new QTimeEdit(parent), name, x, y, 90);
    t->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    // Typing reports once, at Enter or when the field is left, not at every digit.
    t->setKeyboardTracking(false);
    return t;
}

} // namespace

TimerSchedule::TimerSchedule(EditorSession& session, DialogProvider& dialogs, QWidget* page)
    : QWidget(page), session_(session), dialogs_(dialogs),
      startDateCaption_(label(this, tr("Event date"), 0, 0, 110, "STdateT")),
      startDateEdit_(place(new QDateEdit(this), "DTPday", 115, 0, 110)),
      startTimeCaption_(label(this, tr("Event time"), 0, 28, 110, "STtimeT")),
      startTimeEdit_(timePicker(this, "DTPtime", 115, 28)),
      periodicButton_(placed::toggle(this, tr("Set periodic event"), "SBrepeat", 245, 0, 160, 24))
{
    startDateEdit_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    startDateEdit_->setCalendarPopup(true);
    startDateEdit_->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    startDateEdit_->setKeyboardTracking(false);
    label(this, tr("Period (sec.)"), 245, 30, 80);
    intervalCell_ = place(new CellLabel(QString(), this), "STint", 330, 30, 60, 21);
    label(this, tr("Stop time"), 245, 56, 80);
    stopTimeEdit_ = timePicker(this, "DTPstop", 330, 56);

    connect(periodicButton_, &QPushButton::clicked, this, &TimerSchedule::periodicClicked);
    connect(intervalCell_, &CellLabel::clicked, this, &TimerSchedule::editInterval);
    connect(startDateEdit_, &QDateEdit::dateChanged, this, &TimerSchedule::startDateChanged);
    connect(startTimeEdit_, &QTimeEdit::timeChanged, this, &TimerSchedule::startTimeChanged);
    connect(stopTimeEdit_, &QTimeEdit::timeChanged, this, &TimerSchedule::stopTimeChanged);
}

void TimerSchedule::showStart()
{
    const TimerEventRecord r = record();
    const QSignalBlocker day(startDateEdit_), time(startTimeEdit_);
    startDateEdit_->setDate(startDate(r));
    startTimeEdit_->setTime(startTime(r));
}

void TimerSchedule::showPeriod(bool periodic)
{
    const TimerEventRecord r = record();
    periodicButton_->setChecked(periodic);
    periodicButton_->setText(periodic ? tr("Reset periodic event") : tr("Set periodic event"));
    intervalCell_->setEnabled(periodic);
    stopTimeEdit_->setEnabled(periodic);
    startDateCaption_->setText(periodic ? tr("Start event date") : tr("Event date"));
    startTimeCaption_->setText(periodic ? tr("Start event time") : tr("Event time"));
    setStopTime(r.startSecondOfDay() + (periodic ? int(r.durationSeconds()) : 0));
    intervalCell_->setText(QString::number(r.periodSeconds()));
}

void TimerSchedule::setStopTime(int second)
{
    const QSignalBlocker block(stopTimeEdit_);
    stopTimeEdit_->setTime(QTime(0, 0).addSecs(second));
}

void TimerSchedule::periodicClicked()
{
    record().setPeriodSeconds(periodicButton_->isChecked() ? ForcedDuration : 0);
    session_.markModified();
    emit periodicChanged();
}

void TimerSchedule::editInterval()
{
    if (!intervalCell_->isEnabled())
        return;
    const int upper = periodUpperBound(secondOfDay(startTimeEdit_->time()));
    const auto a = askNumber(
        dialogs_, this, tr("Change interval time"), tr("Seconds 10...43200"), intervalCell_->text(),
        [upper](const QString& text) { return acceptPeriod(text, upper); },
        [upper](const QString& text) { return periodRefusal(text, upper); });
    if (!a)
        return;
    if (a->changed)
        session_.markModified();
    intervalCell_->setText(QString::number(a->value));
    record().setPeriodSeconds(std::uint16_t(a->value));
}

void TimerSchedule::startDateChanged()
{
    writeStart(record(), startDateEdit_->date(), startTimeEdit_->time());
    session_.markModified();
}

void TimerSchedule::startTimeChanged()
{
    TimerEventRecord r = record();
    if (periodicButton_->isChecked()) {
        const int s = secondOfDay(startTimeEdit_->time()), e = secondOfDay(stopTimeEdit_->time());
        if (s >= e) {
            showStart();
            dialogs_.warning(this, QString(), tr("Invalid 'Start event time' (must be lower than 'Stop time')"));
            return;
        }
        writeStart(r, startDateEdit_->date(), startTimeEdit_->time());
        r.setDurationSeconds(std::uint32_t(e - s));
    } else {
        writeStart(r, startDateEdit_->date(), startTimeEdit_->time());
    }
    session_.markModified();
}

void TimerSchedule::stopTimeChanged()
{
    TimerEventRecord r = record();
    const int s = secondOfDay(startTimeEdit_->time()), e = secondOfDay(stopTimeEdit_->time());
    if (e <= s) {
        setStopTime(s + int(r.durationSeconds()));
        dialogs_.warning(this, QString(), tr("Invalid 'Stop time' (must be higher than 'Start event time')"));
        return;
    }
    r.setDurationSeconds(std::uint32_t(e - s));
    setStopTime(s + int(r.durationSeconds()));
    session_.markModified();
}

} // namespace q7582
