#include "ui/timeline/TimelinePlot.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace q7582 {

namespace {

// The time marks' steps, the first that leaves 90 pixels between marks is used.
constexpr std::array<qint64, 22> MarkSteps{100,     200,      500,      1000,     2000,     5000,     10000,   15000,
                                           30000,   60000,    120000,   300000,   600000,   900000,   1800000, 3600000,
                                           7200000, 10800000, 21600000, 43200000, 86400000, 172800000};

QColor groupColour(LaneGroup group)
{
    switch (group) {
    case LaneGroup::Zones:
        return QColor(0xd0, 0x40, 0x30);
    case LaneGroup::Inputs:
        return QColor(0x20, 0x80, 0x20);
    case LaneGroup::Outputs:
        return QColor(0xc0, 0x80, 0x00);
    case LaneGroup::Units:
        return QColor(0x20, 0x60, 0xc0);
    case LaneGroup::Levels:
    case LaneGroup::Vox:
        return QColor(0x60, 0x40, 0xb0);
    default:
        return QColor(0x40, 0x70, 0x80);
    }
}

QString markText(qint64 ms, qint64 step)
{
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(ms);
    return t.toString(step < 1000 ? QStringLiteral("HH:mm:ss.zzz") : QStringLiteral("HH:mm:ss"));
}

} // namespace

TimelinePlot::TimelinePlot(const RecordingReader& reader, const TimelineSummaries& summaries,
                           const std::vector<Lane>& lanes, QWidget* parent)
    : QWidget(parent), reader_(reader), summaries_(summaries), lanes_(lanes), view_(wholeView(reader.span()))
{
    setObjectName(QStringLiteral("TimelinePlot"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    cursorMs_ = view_.fromMs;
}

void TimelinePlot::setShownLanes(std::vector<int> lanes)
{
    shown_ = std::move(lanes);
    rows_.clear();
    int top = 0;
    for (std::size_t k = 0; k < shown_.size(); ++k) {
        const LaneGroup group = lanes_.at(std::size_t(shown_[k])).group;
        if (k == 0 || lanes_.at(std::size_t(shown_[k - 1])).group != group) {
            rows_.push_back({-1, group, top, HeaderHeight});
            top += HeaderHeight;
        }
        const int height =
            laneShape(lanes_.at(std::size_t(shown_[k])).field) == LaneShape::Step ? StepRowHeight : RowHeight;
        rows_.push_back({shown_[k], group, top, height});
        top += height;
    }
    setMinimumHeight(top);
    update();
}

void TimelinePlot::setView(const ViewSpan& view)
{
    if (view == view_)
        return;
    view_ = view;
    update();
    emit viewChanged();
}

void TimelinePlot::zoom(double factor, qint64 anchorMs)
{
    setView(zoomedView(view_, reader_.span(), factor, anchorMs));
}

void TimelinePlot::pan(qint64 deltaMs) { setView(pannedView(view_, reader_.span(), deltaMs)); }

void TimelinePlot::setCursor(qint64 ms)
{
    const ViewSpan whole = wholeView(reader_.span());
    cursorMs_ = std::clamp(ms, whole.fromMs, whole.toMs);
    update();
    emit cursorMoved(cursorMs_);
}

void TimelinePlot::selectLane(int lane)
{
    selected_ = lane;
    update();
    emit laneSelected(lane);
}

void TimelinePlot::recordingGrew(const TimeSpan& before)
{
    cache_.clear();
    if (view_.toMs >= wholeView(before).toMs)
        setView(viewAtEnd(view_, reader_.span()));
    update();
}

int TimelinePlot::plotWidth() const { return std::max(width() - NamesWidth, 1); }

qint64 TimelinePlot::timeAt(int x) const
{
    return view_.fromMs + qint64(double(x - NamesWidth) * double(view_.length()) / plotWidth());
}

int TimelinePlot::xAt(qint64 ms) const
{
    return NamesWidth + int(double(ms - view_.fromMs) * plotWidth() / double(std::max<qint64>(view_.length(), 1)));
}

int TimelinePlot::laneAt(int y) const
{
    const auto row = std::upper_bound(rows_.begin(), rows_.end(), y, [](int at, const Row& r) { return at < r.top; });
    return row == rows_.begin() ? -1 : std::prev(row)->lane;
}

int TimelinePlot::rowTop(int lane) const
{
    const auto row = std::find_if(rows_.begin(), rows_.end(), [lane](const Row& r) { return r.lane == lane; });
    return row == rows_.end() ? -1 : row->top;
}

const std::vector<std::vector<LaneColumn>>& TimelinePlot::columns(const std::vector<int>& lanes)
{
    const int width = plotWidth();
    const auto hit = std::find_if(cache_.begin(), cache_.end(), [&](const Cached& c) {
        return c.view == view_ && c.columns == width && c.lanes == lanes;
    });
    if (hit != cache_.end()) {
        std::rotate(cache_.begin(), hit, hit + 1);
        return cache_.front().data;
    }
    ++columnQueries_;
    cache_.push_front({view_, width, lanes, summaries_.columns(lanes_, lanes, view_.fromMs, view_.toMs, width)});
    if (cache_.size() > CachedViews)
        cache_.pop_back();
    return cache_.front().data;
}

void TimelinePlot::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect area = event->rect();
    p.fillRect(area, palette().base());
    // The columns of the rows in sight (the scroll area's viewport), not of every lane shown.
    const QRect seen = visibleRegion().boundingRect().united(area);
    const auto inSight = [](const Row& row, const QRect& r) {
        return row.top + row.height >= r.top() && row.top <= r.bottom();
    };
    std::vector<int> lanes;
    for (const Row& row : rows_)
        if (row.lane >= 0 && inSight(row, seen))
            lanes.push_back(row.lane);
    const auto& data = columns(lanes);
    std::size_t k = 0;
    for (const Row& row : rows_) {
        if (row.lane >= 0 && inSight(row, seen))
            ++k;
        if (!inSight(row, area))
            continue;
        if (row.lane < 0)
            paintHeader(p, row);
        else
            paintLane(p, row, data[k - 1]);
    }
    if (cursorMs_ >= view_.fromMs && cursorMs_ <= view_.toMs)
        p.fillRect(QRect(xAt(cursorMs_), area.top(), 1, area.height()), Qt::red);
}

void TimelinePlot::paintHeader(QPainter& p, const Row& row)
{
    const QRect band(0, row.top, width(), HeaderHeight);
    p.fillRect(band, palette().window());
    p.setPen(palette().windowText().color());
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(band.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, laneGroupName(row.group));
    p.setFont(font());
    const double msPerPixel = double(view_.length()) / plotWidth();
    const auto step =
        std::find_if(MarkSteps.begin(), MarkSteps.end() - 1, [&](qint64 s) { return double(s) / msPerPixel >= 90; });
    const qint64 offset = QDateTime::fromMSecsSinceEpoch(view_.fromMs).offsetFromUtc() * 1000LL;
    for (qint64 t = (view_.fromMs + offset) / *step * *step - offset + *step; t <= view_.toMs; t += *step) {
        const int x = xAt(t);
        p.drawLine(x, row.top + HeaderHeight - 4, x, row.top + HeaderHeight);
        p.drawText(x + 3, row.top, 90, HeaderHeight, Qt::AlignVCenter | Qt::AlignLeft, markText(t, *step));
    }
}

void TimelinePlot::paintLane(QPainter& p, const Row& row, const std::vector<LaneColumn>& columns)
{
    const Lane& lane = lanes_.at(std::size_t(row.lane));
    const QRect band(0, row.top, width(), row.height);
    if (row.lane == selected_)
        p.fillRect(band, palette().highlight().color().lighter(170));
    p.setPen(palette().text().color());
    p.drawText(QRect(4, row.top, NamesWidth - 8, row.height), Qt::AlignVCenter | Qt::AlignLeft, lane.name);
    p.fillRect(QRect(NamesWidth, row.top + row.height - 1, plotWidth(), 1), palette().midlight());

    const QColor colour = groupColour(lane.group);
    const QColor mixed = colour.lighter(150);
    const LaneShape shape = laneShape(lane.field);
    const int top = row.top + 3, bottom = row.top + row.height - 3, span = bottom - top;
    const double maximum = std::max(laneMaximum(lane.field), 1);
    const auto y = [&](int v) { return bottom - int(std::clamp(v / maximum, 0.0, 1.0) * span); };
    // Runs of equal columns are drawn as one rectangle.
    for (std::size_t c = 0; c < columns.size();) {
        const LaneColumn& first = columns[c];
        std::size_t end = c + 1;
        while (end < columns.size() && !first.changed && !columns[end].changed && columns[end].read == first.read
               && columns[end].low == first.low && columns[end].high == first.high)
            ++end;
        const int x = NamesWidth + int(c), w = int(end - c);
        if (first.read) {
            switch (shape) {
            case LaneShape::OnOff:
                if (first.high > 0)
                    p.fillRect(QRect(x, top, w, span), first.low > 0 ? colour : mixed);
                else
                    p.fillRect(QRect(x, bottom - 1, w, 1), colour);
                break;
            case LaneShape::Step:
                p.fillRect(QRect(x, y(first.high), w, bottom - y(first.high) + 1), colour.lighter(185));
                p.fillRect(QRect(x, y(first.high), w, std::max(y(first.low) - y(first.high), 0) + 1), colour);
                break;
            case LaneShape::Text:
                p.fillRect(QRect(x, top + 2, w, span - 4), first.high > 0 ? mixed : palette().midlight().color());
                if (first.changed)
                    p.fillRect(QRect(x, top, 1, span), colour);
                break;
            }
        }
        c = end;
    }
}

void TimelinePlot::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return event->ignore();
    if (event->modifiers() & Qt::ShiftModifier)
        pan(-steps * view_.length() / 8);
    else
        zoom(steps > 0 ? 0.8 : 1.25, timeAt(int(event->position().x())));
    event->accept();
}

void TimelinePlot::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressAt_ = event->pos();
    pressView_ = view_;
    dragging_ = false;
}

void TimelinePlot::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int dx = event->pos().x() - pressAt_.x();
    dragging_ = dragging_ || std::abs(dx) > 3;
    if (dragging_)
        setView(pannedView(pressView_, reader_.span(), -qint64(double(dx) * double(view_.length()) / plotWidth())));
}

void TimelinePlot::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || dragging_)
        return;
    if (const int lane = laneAt(event->pos().y()); lane >= 0)
        selectLane(lane);
    if (event->pos().x() >= NamesWidth)
        setCursor(timeAt(event->pos().x()));
}

void TimelinePlot::keyPressEvent(QKeyEvent* event)
{
    const qint64 anchor =
        cursorMs_ >= view_.fromMs && cursorMs_ <= view_.toMs ? cursorMs_ : view_.fromMs + view_.length() / 2;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return zoom(0.5, anchor);
    case Qt::Key_Minus:
        return zoom(2.0, anchor);
    case Qt::Key_Left:
        return pan(-view_.length() / 8);
    case Qt::Key_Right:
        return pan(view_.length() / 8);
    case Qt::Key_Home:
        return pan(wholeView(reader_.span()).fromMs - view_.fromMs);
    case Qt::Key_End:
        return pan(wholeView(reader_.span()).toMs - view_.toMs);
    default:
        QWidget::keyPressEvent(event);
    }
}

void TimelinePlot::contextMenuEvent(QContextMenuEvent* event)
{
    emit laneMenuRequested(laneAt(event->pos().y()), event->globalPos());
}

} // namespace q7582
