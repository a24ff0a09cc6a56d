#pragma once
// The "Timer events" page: one timer event record of the working copy at a time, its
// start, repetition, period, output event and message event list. Showing a timer
// repairs what cannot be shown.

#include "ui/common/DialogProvider.h"
#include "ui/config/EditorSession.h"

#include <QDateTime>
#include <QWidget>

#include <functional>

class QComboBox;
class QPushButton;

namespace q7582 {

class CellLabel;
class MessageEventPicker;
class RepeatDaysRow;
class TimerSchedule;

// Why "On" did not stay pressed.
inline constexpr const char* TimerWithNothingToDo =
    QT_TRANSLATE_NOOP("q7582::TimerPage", "A timer with no message event and no output event cannot be enabled: add "
                                          "message events (\">>\") or set a timer output event first.");

class TimerPage : public QWidget {
    Q_OBJECT
public:
    TimerPage(EditorSession& session, DialogProvider& dialogs, QWidget* parent);

    void setClock(std::function<QDateTime()> now) { now_ = std::move(now); }
    // Show timer: every check, repair and control of the selected timer, in order.
    void showTimer();
    // The timer list put back to the session's selection (after an undo), without showing.
    void selectSessionTimer();

    // Handlers, public so that the window's tests drive them like clicks.
    void priorityChanged();
    void enabledClicked();
    // One time, daily or weekly clicked, with the repeat days it starts from.
    void repeatKindClicked(Byte days);
    void dayClicked();
    void risingEdgeClicked();
    void fallingEdgeClicked();
    void editTimerOutputEvent();
    void addChosenEvents();
    void removeChosenEvents();
    // The selection list into the record's 16 slots.
    void writeChosenEvents();

private:
    void build();
    void buildOutputEventControls();
    void connectControls();
    TimerEventRecord record() { return session_.selectedTimerRecord(); }
    void showOutputEvent(int code);
    void showEnabled(bool on);

    EditorSession& session_;
    DialogProvider& dialogs_;
    std::function<QDateTime()> now_ = [] { return QDateTime::currentDateTime(); };

    QComboBox* timerCombo_ = nullptr;
    QComboBox* priorityCombo_ = nullptr;
    QPushButton* enabledButton_ = nullptr;
    RepeatDaysRow* repeatRow_ = nullptr;
    TimerSchedule* schedule_ = nullptr;
    CellLabel* outputEventCell_ = nullptr;
    QPushButton* risingEdgeButton_ = nullptr;
    QPushButton* fallingEdgeButton_ = nullptr;
    MessageEventPicker* eventPicker_ = nullptr;
};

} // namespace q7582
