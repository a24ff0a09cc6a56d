#pragma once
// The timeline of one recording (`TimelineWindow`): the lanes to show (`TimelineLanes`),
// the plot (`TimelinePlot`), "Previous change" and "Next change" of the selected lane, and
// at the cursor the master's whole status on the main window's own panels, read only.
// A recording still being written is looked at again every second and followed.

#include "recorder/RecordingReader.h"
#include "recordingreports/Lanes.h"
#include "recordingreports/ReaderStates.h"
#include "recordingreports/TimelineColumns.h"
#include "reports/ReportLine.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

namespace q7582 {

class DialogProvider;
class MasterPageView;
class TimelinePlot;

class TimelineWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int FollowIntervalMs = 1000;

    TimelineWindow(std::unique_ptr<RecordingReader> reader, DialogProvider& dialogs, QWidget* parent);
    ~TimelineWindow() override;

    const std::vector<Lane>& lanes() const { return lanes_; }
    TimelinePlot& plot() const { return *plot_; }
    MasterPageView& statusView() const { return *statusView_; }
    const RecordingReader& reader() const { return *reader_; }
    // The status shown, as the reader rebuilt it at the cursor.
    const RecordedStatus& cursorStatus() const { return cursorStatus_; }

    // F1 opens the timeline's topic through it.
    void setHelpHook(std::function<void(int)> hook) { helpHook_ = std::move(hook); }
    // The commissioning record goes to the report viewer through it.
    void setReportHook(std::function<void(const Report&)> hook) { reportHook_ = std::move(hook); }

    // The commissioning record of the inputs that went on in the span in view.
    void showCommissioningRecord();
    void setLaneShown(int lane, bool shown);
    void showAllLanes();
    // The selected lane's next or previous change: the cursor goes there, and the view
    // moves to show it. Nothing moves when there is none.
    void nextChange();
    void previousChange();
    // Looks for more of a recording being written (the timer's call).
    void follow();

private:
    void buildControls();
    void showCursor(qint64 ms);
    void showView();
    void moveCursorTo(const std::optional<qint64>& ms, const QString& error);
    void laneItemChanged(QListWidgetItem* item);
    void laneMenu(int lane, const QPoint& at);
    void applyShown();

    std::unique_ptr<RecordingReader> reader_;
    DialogProvider& dialogs_;
    ReaderStates states_;
    TimelineSummaries summaries_;
    std::vector<Lane> lanes_;
    std::vector<bool> shown_;
    RecordedStatus cursorStatus_;
    bool damageTold_ = false; // the recording's damage is said once
    TimelinePlot* plot_ = nullptr;
    MasterPageView* statusView_ = nullptr;
    QListWidget* laneList_ = nullptr;
    QLabel* viewLabel_ = nullptr;
    QLabel* cursorLabel_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QTimer* followTimer_ = nullptr;
    QMenu* laneMenu_ = nullptr;
    QAction* hideLane_ = nullptr;
    int menuLane_ = -1;
    std::function<void(int)> helpHook_;
    std::function<void(const Report&)> reportHook_;
};

} // namespace q7582
