#pragma once
// When a timer event starts and how it repeats within the day: start date and time,
// the periodic switch, the period and the stop time of the selected timer. Start and
// stop times that contradict are refused and put back.

#include "ui/common/DialogProvider.h"
#include "ui/config/EditorSession.h"

#include <QWidget>

class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace q7582 {

class CellLabel;

class TimerSchedule : public QWidget {
    Q_OBJECT
public:
    TimerSchedule(EditorSession& session, DialogProvider& dialogs, QWidget* page);

    // The record's start into the pickers, reporting no change.
    void showStart();
    // The periodic switch, period and stop time as the record holds them.
    void showPeriod(bool periodic);

signals:
    // The periodic switch changed the record: the timer is shown again.
    void periodicChanged();

private:
    void periodicClicked();
    void editInterval();
    void startDateChanged();
    void startTimeChanged();
    void stopTimeChanged();
    void setStopTime(int second);
    TimerEventRecord record() { return session_.selectedTimerRecord(); }

    EditorSession& session_;
    DialogProvider& dialogs_;
    QLabel* startDateCaption_;
    QDateEdit* startDateEdit_;
    QLabel* startTimeCaption_;
    QTimeEdit* startTimeEdit_;
    QPushButton* periodicButton_;
    CellLabel* intervalCell_;
    QTimeEdit* stopTimeEdit_;
};

} // namespace q7582
