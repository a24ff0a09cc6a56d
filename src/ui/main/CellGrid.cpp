#include "ui/main/CellGrid.h"

#include "ui/main/CellGridAccessible.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace q7582 {
namespace {

// The layout the separate framed texts had: a 52-pixel caption, then 30-pixel cells
// one pixel apart, rows 16 pixels apart.
constexpr int RowPitch = 16, ItemHeight = 15;
constexpr int CaptionWidth = 52, FirstCellX = 58, CellPitch = 31, CellWidth = 30;
constexpr int FrameWidth = 1;

} // namespace

CellGrid::CellGrid(Naming naming, QWidget* parent) : QWidget(parent), naming_(std::move(naming))
{
    CellGridAccessible::install();
    resize(FirstCellX + CellPitch * (Columns - 1) + CellWidth, RowPitch * (Rows - 1) + ItemHeight);
}

QRect CellGrid::cellRect(int cell) const
{
    return QRect(FirstCellX + CellPitch * (cell % Columns), RowPitch * (cell / Columns), CellWidth, ItemHeight);
}

QRect CellGrid::rowRect(int row) const { return QRect(0, RowPitch * row, CaptionWidth, ItemHeight); }

int CellGrid::cellAt(const QPoint& point) const
{
    for (int n = 0; n < Cells; ++n)
        if (cellRect(n).contains(point))
            return n;
    return -1;
}

void CellGrid::setRowBackground(int row, const QColor& colour)
{
    setBackground(rows_.at(std::size_t(row)), rowRect(row), colour);
}

void CellGrid::setCellBackground(int cell, const QColor& colour)
{
    setBackground(cells_.at(std::size_t(cell)), cellRect(cell), colour);
}

// Only a real change repaints, and only that item.
void CellGrid::setBackground(Item& item, const QRect& rect, const QColor& colour)
{
    if (item.background == colour)
        return;
    item.background = colour;
    update(rect);
}

void CellGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette::ColorGroup group = palette().currentColorGroup(); // disabled, active or inactive
    forEachPicture(event->rect(), group, [&](QPoint at, const QPixmap& picture) { painter.drawPixmap(at, picture); });
}

void CellGrid::prepareDisabledLook()
{
    if (isEnabled())
        forEachPicture(rect(), QPalette::Disabled, [](QPoint, const QPixmap&) {});
}

// The pictures of the items within an area, and where each goes; missing ones are drawn.
void CellGrid::forEachPicture(const QRect& within, QPalette::ColorGroup group,
                              const std::function<void(QPoint, const QPixmap&)>& use)
{
    for (int r = 0; r < Rows; ++r)
        if (rowRect(r).intersects(within))
            use(rowRect(r).topLeft(), itemPicture(r, rowRect(r), rows_[std::size_t(r)].background, rowText(r), group));
    for (int n = 0; n < Cells; ++n)
        if (cellRect(n).intersects(within))
            use(cellRect(n).topLeft(),
                itemPicture(Rows + n, cellRect(n), cells_[std::size_t(n)].background, QString::number(n + 1), group));
}

// An item is drawn once per colour, palette group (enabled, disabled, inactive window) and
// pixel ratio, then copied: a refresh that recolours every cell, or the window enabled
// again, repaints every item.
const QPixmap& CellGrid::itemPicture(int item, const QRect& rect, const QColor& background, const QString& text,
                                     QPalette::ColorGroup group)
{
    const qreal ratio = devicePixelRatioF();
    const quint64 key = quint64(item) | quint64(group) << 6 | quint64(background.isValid()) << 8
                        | quint64(qRound(ratio * 4) & 0xFF) << 9 | quint64(background.rgba()) << 32;
    auto found = pictures_.constFind(key);
    if (found != pictures_.constEnd())
        return *found;
    QPixmap picture(rect.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.setFont(font()); // as a painter on the widget starts
    painter.setLayoutDirection(layoutDirection());
    paintItem(painter, QRect(QPoint(), rect.size()), background, text, group);
    return *pictures_.insert(key, picture);
}

void CellGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::FontChange)
        pictures_.clear();
    QWidget::changeEvent(event);
}

// Drawn as a sunken panel label with its own background would be: filled, framed by the
// style, the text centred in the frame in the window's text colour (greyed when disabled).
void CellGrid::paintItem(QPainter& painter, const QRect& rect, const QColor& background, const QString& text,
                         QPalette::ColorGroup group)
{
    QStyleOptionFrame frame;
    frame.initFrom(this);
    if (group == QPalette::Disabled && isEnabled()) {
        // Drawn ahead: the option as the disabled grid will give it.
        frame.state &= ~QStyle::State_Enabled;
        frame.palette.setCurrentColorGroup(QPalette::Disabled);
    }
    frame.rect = rect;
    frame.frameShape = QFrame::Panel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = FrameWidth;
    frame.midLineWidth = 0;
    if (background.isValid())
        frame.palette.setColor(QPalette::Window, background);
    painter.fillRect(rect, frame.palette.window());
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
    const QRect inside = rect.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
    style()->drawItemText(&painter, inside, Qt::AlignCenter | Qt::TextForceLeftToRight, frame.palette,
                          group != QPalette::Disabled, text, QPalette::WindowText);
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    const int cell = cellAt(event->position().toPoint());
    if (cell >= 0)
        emit cellPressed(cell, event->button());
    QWidget::mousePressEvent(event);
}

int CellGrid::rowAt(const QPoint& point) const
{
    for (int r = 0; r < Rows; ++r)
        if (rowRect(r).contains(point))
            return r;
    return -1;
}

void CellGrid::contextMenuEvent(QContextMenuEvent* event)
{
    const int cell = cellAt(event->pos()), row = rowAt(event->pos());
    if (cell >= 0 || row >= 0)
        emit menuRequested(cell, row, event->globalPos());
}

// As a label's: a double click is also a second press (a right double click toggles twice).
void CellGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int cell = cellAt(event->position().toPoint());
    if (cell >= 0 && event->button() == Qt::LeftButton)
        emit cellDoubleClicked(cell);
    QWidget::mouseDoubleClickEvent(event);
}

bool CellGrid::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int cell = cellAt(help->pos());
    if (cell >= 0 && !cellToolTip(cell).isEmpty())
        QToolTip::showText(help->globalPos(), cellToolTip(cell), this, cellRect(cell));
    else
        QToolTip::hideText();
    return true;
}

} // namespace q7582
