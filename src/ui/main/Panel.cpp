#include "ui/main/Panel.h"

#include <QEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace q7582 {
namespace {

// Drawn in bands lower than the height from which Qt splits a fill over its thread pool:
// the pictures are small, and the pool's hand-over is invisible to ThreadSanitizer.
constexpr int Band = 64;

} // namespace

Panel::Panel(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

const QPixmap& Panel::frame()
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    Frame& f = frames_[isEnabled() ? 1 : 0];
    if (!f.picture.isNull() && f.picture.deviceIndependentSize() == QSizeF(size())
        && f.picture.devicePixelRatio() == ratio && f.title == title() && f.state == option.state)
        return f.picture;
    f.picture = QPixmap(size() * ratio);
    f.picture.setDevicePixelRatio(ratio);
    f.picture.fill(Qt::transparent);
    f.title = title();
    f.state = option.state;
    // As QGroupBox paints itself, on a painter that starts as one on the widget would.
    QStylePainter painter(&f.picture, this);
    painter.setFont(font());
    painter.setLayoutDirection(layoutDirection());
    for (int y = 0; y < height(); y += Band) {
        painter.setClipRect(0, y, width(), Band);
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
    return f.picture;
}

void Panel::paintEvent(QPaintEvent*)
{
    const QPixmap& picture = frame();
    const qreal ratio = picture.devicePixelRatio();
    QPainter painter(this);
    for (int y = 0; y < height(); y += Band)
        painter.drawPixmap(QRectF(0, y, width(), Band), picture, QRectF(0, y * ratio, width() * ratio, Band * ratio));
}

void Panel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::FontChange)
        frames_[0] = frames_[1] = {};
    QGroupBox::changeEvent(event);
}

} // namespace q7582
