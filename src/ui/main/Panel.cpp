#include "ui/main/Panel.h"

#include <QEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace q7582 {
namespace {

// Drawn in bands lower than the height from which Qt splits a fill over its thread pool:
// the parts are small, and the pool's hand-over is invisible to ThreadSanitizer.
constexpr int Band = 64;

// The largest rectangle around the centre of one colour, or an empty one.
QRect uniformInside(const QImage& image)
{
    const auto pixel = [&image](int x, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; };
    const QPoint centre = image.rect().center();
    const QRgb colour = pixel(centre.x(), centre.y());
    QRect r(centre, centre);
    while (r.left() > 0 && pixel(r.left() - 1, centre.y()) == colour)
        r.setLeft(r.left() - 1);
    while (r.right() < image.width() - 1 && pixel(r.right() + 1, centre.y()) == colour)
        r.setRight(r.right() + 1);
    while (r.top() > 0 && pixel(centre.x(), r.top() - 1) == colour)
        r.setTop(r.top() - 1);
    while (r.bottom() < image.height() - 1 && pixel(centre.x(), r.bottom() + 1) == colour)
        r.setBottom(r.bottom() + 1);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (pixel(x, y) != colour)
                return {};
    return r;
}

// Copies source (device pixels) of picture to target (device pixels) in bands.
void drawPart(QPainter& painter, const QPixmap& picture, const QRect& source, const QPoint& target, qreal ratio)
{
    for (int y = 0; y < source.height(); y += Band) {
        const QRect band(source.x(), source.y() + y, source.width(), std::min(Band, source.height() - y));
        const QRectF to(QPointF(target.x(), target.y() + y) / ratio, QSizeF(band.size()) / ratio);
        painter.drawPixmap(to, picture, band);
    }
}

} // namespace

Panel::Panel(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

// The inside's rows and columns are left out of what is kept.
void Panel::keepFrame(Frame& f, const QImage& whole)
{
    f.inside = uniformInside(whole);
    if (f.inside.isEmpty()) {
        f.rows = QPixmap::fromImage(whole);
        f.sides = {};
        return;
    }
    f.insideColour = QColor::fromRgba(qUnpremultiply(whole.pixel(f.inside.topLeft())));
    const QRect in = f.inside;
    QImage rows(whole.width(), whole.height() - in.height(), whole.format());
    QPainter r(&rows);
    r.setCompositionMode(QPainter::CompositionMode_Source);
    r.drawImage(QPoint(0, 0), whole, QRect(0, 0, whole.width(), in.top()));
    r.drawImage(QPoint(0, in.top()), whole, QRect(0, in.bottom() + 1, whole.width(), whole.height() - in.bottom() - 1));
    r.end();
    QImage sides(whole.width() - in.width(), in.height(), whole.format());
    QPainter s(&sides);
    s.setCompositionMode(QPainter::CompositionMode_Source);
    s.drawImage(QPoint(0, 0), whole, QRect(0, in.top(), in.left(), in.height()));
    s.drawImage(QPoint(in.left(), 0), whole,
                QRect(in.right() + 1, in.top(), whole.width() - in.right() - 1, in.height()));
    s.end();
    f.rows = QPixmap::fromImage(rows);
    f.sides = QPixmap::fromImage(sides);
}

void Panel::prepareDisabledLook()
{
    if (isEnabled())
        frame(false);
}

const Panel::Frame& Panel::frame(bool enabled)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (!enabled && isEnabled()) {
        // Drawn ahead: the option as the disabled panel will give it.
        option.state &= ~QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Disabled);
        option.textColor = QColor(style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option, this));
    }
    const qreal ratio = devicePixelRatioF();
    Frame& f = frames_[enabled ? 1 : 0];
    if (!f.rows.isNull() && f.size == size() && f.ratio == ratio && f.title == title() && f.state == option.state)
        return f;
    f.size = size();
    f.ratio = ratio;
    f.title = title();
    f.state = option.state;
    QImage whole(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    whole.setDevicePixelRatio(ratio);
    whole.fill(Qt::transparent);
    // As QGroupBox paints itself, on a painter that starts as one on the widget would.
    QStylePainter painter(&whole, this);
    painter.setFont(font());
    painter.setLayoutDirection(layoutDirection());
    for (int y = 0; y < height(); y += Band) {
        painter.setClipRect(0, y, width(), Band);
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
    painter.end();
    whole.setDevicePixelRatio(1);
    keepFrame(f, whole);
    return f;
}

void Panel::paintEvent(QPaintEvent*)
{
    const Frame& f = frame(isEnabled());
    QPainter painter(this);
    const QRect in = f.inside;
    if (in.isEmpty()) {
        drawPart(painter, f.rows, f.rows.rect(), QPoint(0, 0), f.ratio);
        return;
    }
    const int below = f.rows.height() - in.top();
    drawPart(painter, f.rows, QRect(0, 0, f.rows.width(), in.top()), QPoint(0, 0), f.ratio);
    drawPart(painter, f.rows, QRect(0, in.top(), f.rows.width(), below), QPoint(0, in.bottom() + 1), f.ratio);
    drawPart(painter, f.sides, QRect(0, 0, in.left(), in.height()), in.topLeft() - QPoint(in.left(), 0), f.ratio);
    drawPart(painter, f.sides, QRect(in.left(), 0, f.sides.width() - in.left(), in.height()),
             QPoint(in.right() + 1, in.top()), f.ratio);
    for (int y = 0; y < in.height(); y += Band) {
        const QRect band(in.left(), in.top() + y, in.width(), std::min(Band, in.height() - y));
        painter.fillRect(QRectF(QPointF(band.topLeft()) / f.ratio, QSizeF(band.size()) / f.ratio), f.insideColour);
    }
}

void Panel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::FontChange)
        frames_[0] = frames_[1] = {};
    QGroupBox::changeEvent(event);
}

} // namespace q7582
