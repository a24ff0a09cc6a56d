#pragma once
// The lanes of a recording drawn along time: a header per group (with the time marks),
// a row per lane shown, the cursor and the selected lane. The wheel zooms round the mouse,
// a drag pans, a click sets the cursor and chooses a lane; +, -, the arrows, Home and End
// do the same from the keyboard.

#include "recordingreports/TimelineColumns.h"
#include "recordingreports/TimelineNavigation.h"

#include <QWidget>

#include <deque>
#include <vector>

namespace q7582 {

class TimelinePlot : public QWidget {
    Q_OBJECT
public:
    static constexpr int NamesWidth = 180, RowHeight = 18, StepRowHeight = 36, HeaderHeight = 18;
    // A repaint at a view already drawn queries nothing: the columns of the last few views
    // are kept, each of the lanes then in sight.
    static constexpr std::size_t CachedViews = 4;

    TimelinePlot(const RecordingReader& reader, const TimelineSummaries& summaries, const std::vector<Lane>& lanes,
                 QWidget* parent);

    // The lanes drawn, in order.
    void setShownLanes(std::vector<int> lanes);
    const std::vector<int>& shownLanes() const { return shown_; }

    const ViewSpan& view() const { return view_; }
    void setView(const ViewSpan& view);
    void zoom(double factor, qint64 anchorMs);
    void pan(qint64 deltaMs);

    qint64 cursorMs() const { return cursorMs_; }
    void setCursor(qint64 ms);
    int selectedLane() const { return selected_; }
    void selectLane(int lane);

    // The recording grew: the kept columns are stale, and a view at the old end follows it.
    void recordingGrew(const TimeSpan& before);

    qint64 timeAt(int x) const;
    int xAt(qint64 ms) const;
    // The lane of the row at y, or -1 for a header or below the rows.
    int laneAt(int y) const;
    int rowTop(int lane) const;
    int plotWidth() const;
    // How many times the columns were asked of the summaries.
    int columnQueries() const { return columnQueries_; }

signals:
    void cursorMoved(qint64 ms);
    void laneSelected(int lane);
    void viewChanged();
    void laneMenuRequested(int lane, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Row {
        int lane = -1; // -1: the group's header
        LaneGroup group = LaneGroup::Zones;
        int top = 0;
        int height = 0;
    };
    struct Cached {
        ViewSpan view;
        int columns = 0;
        std::vector<int> lanes;
        std::vector<std::vector<LaneColumn>> data;
    };

    // The columns of the lanes given, at the view: kept, or asked of the summaries.
    const std::vector<std::vector<LaneColumn>>& columns(const std::vector<int>& lanes);
    void paintHeader(QPainter& p, const Row& row);
    void paintLane(QPainter& p, const Row& row, const std::vector<LaneColumn>& columns);

    const RecordingReader& reader_;
    const TimelineSummaries& summaries_;
    const std::vector<Lane>& lanes_;
    std::vector<int> shown_;
    std::vector<Row> rows_;
    std::deque<Cached> cache_; // the newest first
    ViewSpan view_;
    qint64 cursorMs_ = 0;
    int selected_ = -1;
    int columnQueries_ = 0;
    QPoint pressAt_;
    ViewSpan pressView_;
    bool dragging_ = false;
};

} // namespace q7582
