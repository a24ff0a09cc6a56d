#include "ui/config/EditorPictures.h"

#include "ui/common/ScreenFit.h"

#include <QPainter>
#include <QPainterPath>

namespace q7582::editorPictures {

namespace {

// A step from low to high (rising) or high to low (falling), with an arrow on the edge.
QPixmap drawEdge(bool rising)
{
    QPixmap pix = transparentCanvas(QSize(11, 11), screensPixelRatio());
    QPainter p(&pix);
    p.setPen(QPen(Qt::black, 1));
    const int low = 9, high = 1, mid = 5;
    const int before = rising ? low : high, after = rising ? high : low;
    p.drawLine(0, before, mid, before);
    p.drawLine(mid, before, mid, after);
    p.drawLine(mid, after, 10, after);
    const int tip = rising ? high + 1 : low - 1, dir = rising ? 1 : -1;
    p.drawLine(mid, tip, mid - 2, tip + 2 * dir);
    p.drawLine(mid, tip, mid + 2, tip + 2 * dir);
    return pix;
}

} // namespace

const QPixmap& risingEdge()
{
    static const QPixmap pix = drawEdge(true);
    return pix;
}

const QPixmap& fallingEdge()
{
    static const QPixmap pix = drawEdge(false);
    return pix;
}

} // namespace q7582::editorPictures
