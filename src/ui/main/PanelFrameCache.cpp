#include "ui/main/PanelFrameCache.h"

#include <QEvent>
#include <QGroupBox>
#include <QPainter>

namespace q7582 {

PanelFrameCache::PanelFrameCache(QGroupBox* panel) : QObject(panel), panel_(panel) { panel->installEventFilter(this); }

const QPixmap& PanelFrameCache::frame()
{
    Frame& f = frames_[panel_->isEnabled() ? 1 : 0];
    const qreal ratio = panel_->devicePixelRatioF();
    if (f.picture.isNull() || f.picture.deviceIndependentSize() != QSizeF(panel_->size())
        || f.picture.devicePixelRatio() != ratio || f.title != panel_->title()) {
        f.picture = QPixmap(panel_->size() * ratio);
        f.picture.setDevicePixelRatio(ratio);
        f.picture.fill(Qt::transparent);
        f.title = panel_->title();
        // The group box's own paint, into the picture: no background, no children.
        drawing_ = true;
        panel_->render(&f.picture, QPoint(), QRegion(), QWidget::RenderFlags());
        drawing_ = false;
    }
    return f.picture;
}

bool PanelFrameCache::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
        if (drawing_)
            break;
        {
            QPainter painter(panel_);
            painter.drawPixmap(0, 0, frame());
        }
        return true;
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
        frames_[0] = frames_[1] = {};
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace q7582
