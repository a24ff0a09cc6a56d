#pragma once
// The "Timer events" page: one timer event record of the working copy at a time, its
// start, repetition, period, output event and message event list. Showing a timer
// repairs what cannot be shown; start and stop times that contradict are refused.

#include "ui/config/EditorDialogs.h"
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
    TimerPage(EditorSession& session, EditorDialogs& dialogs, QWidget* parent);

    void setClock(std::function<QDateTime()> now) { now_ = std::move(now); }
    // Show timer: every check, repair and control of the selected timer, in order.
    void showTimer();

    // Handlers, public so that the window's tests drive them like clicks.
    void CBptyChange();
    void SpeedButton9Click();
    void RBoneTimeClick();
    void RBdailyClick();
    void RBweeklyClick();
    void SBClick();
    void SBrepeatClick();
    void STintClick();
    void DTPdayChange();
    void DTPtimeChange();
    void DTPstopChange();
    void SBsuTClick();
    void SBgiuTClick();
    void SToeClick();
    void Button2Click();
    void Button1Click();
    // The selection list into the record's 16 slots.
    void listaToConf();

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
    EditorDialogs& dialogs_;
    std::function<QDateTime()> now_ = [] { return QDateTime::currentDateTime(); };

    QComboBox* CBTimer = nullptr;
    QComboBox* CBpty = nullptr;
    QPushButton* SpeedButton9 = nullptr;
    QRadioButton* RBoneTime = nullptr;
    QRadioButton* RBdaily = nullptr;
    QRadioButton* RBweekly = nullptr;
    QWidget* Panel2 = nullptr;
    std::array<QPushButton*, 7> days_{}; // SpeedButton1..7, Monday first
    QDateEdit* DTPday = nullptr;
    QTimeEdit* DTPtime = nullptr;
    QLabel* STdateT = nullptr;
    QLabel* STtimeT = nullptr;
    QPushButton* SBrepeat = nullptr;
    CellLabel* STint = nullptr;
    QTimeEdit* DTPstop = nullptr;
    CellLabel* SToe = nullptr;
    QPushButton* SBsuT = nullptr;
    QPushButton* SBgiuT = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace q7582
