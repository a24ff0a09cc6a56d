#pragma once
// The "Timer events" page: one timer event record of the working copy at a time, its
// start, repetition, period, output event and message event list. Showing a timer
// repairs what cannot be shown; start and stop times that contradict are refused.

#include "ui/common/DialogProvider.h"
#include "ui/config/EditorSession.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>

class QAbstractButton;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace q7582 {

class CellLabel;

class TimerPage : public QWidget {
    Q_OBJECT
public:
    TimerPage(EditorSession& session, DialogProvider& dialogs, QWidget* parent);

    void setClock(std::function<QDateTime()> now) { now_ = std::move(now); }
    // Show timer: every check, repair and control of the selected timer, in order.
    void showTimer();

    // Handlers, public so that the window's tests drive them like clicks.
    void priorityChanged();
    void enabledClicked();
    void oneTimeClicked();
    void dailyClicked();
    void weeklyClicked();
    void dayClicked();
    void periodicClicked();
    void editInterval();
    void startDateChanged();
    void startTimeChanged();
    void stopTimeChanged();
    void risingEdgeClicked();
    void fallingEdgeClicked();
    void editTimerOutputEvent();
    void addChosenEvents();
    void removeChosenEvents();
    // The selection list into the record's 16 slots.
    void writeChosenEvents();

private:
    void build();
    TimerEventRecord record();
    void showOutputEvent(int code);
    void showPeriodic(bool periodic, int startSecond, unsigned duration);
    void showRepeatDays(Byte days);
    void showEnabled(bool on);
    void putRecordIntoPickers();
    void setStopTime(int second);

    EditorSession& session_;
    DialogProvider& dialogs_;
    std::function<QDateTime()> now_ = [] { return QDateTime::currentDateTime(); };

    QComboBox* timerCombo_ = nullptr;
    QComboBox* priorityCombo_ = nullptr;
    QPushButton* enabledButton_ = nullptr;
    QRadioButton* oneTimeRadio_ = nullptr;
    QRadioButton* dailyRadio_ = nullptr;
    QRadioButton* weeklyRadio_ = nullptr;
    QWidget* daysPanel_ = nullptr;
    std::array<QPushButton*, 7> days_{}; // SpeedButton1..7, Monday first
    QDateEdit* startDateEdit_ = nullptr;
    QTimeEdit* startTimeEdit_ = nullptr;
    QLabel* startDateCaption_ = nullptr;
    QLabel* startTimeCaption_ = nullptr;
    QPushButton* periodicButton_ = nullptr;
    CellLabel* intervalCell_ = nullptr;
    QTimeEdit* stopTimeEdit_ = nullptr;
    CellLabel* outputEventCell_ = nullptr;
    QPushButton* risingEdgeButton_ = nullptr;
    QPushButton* fallingEdgeButton_ = nullptr;
    QListWidget* messageEventList_ = nullptr;
    QListWidget* chosenEventList_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

} // namespace q7582
