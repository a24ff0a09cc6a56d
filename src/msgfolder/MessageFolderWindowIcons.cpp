#include "msgfolder/MessageFolderWindowIcons.h"

#include <QPainter>

#include <algorithm>

namespace q7582 {

namespace {

// A round badge in the bottom right quarter: a green plus or a red cross.
void drawMark(QImage& picture, IconMark mark)
{
    if (mark == IconMark::None)
        return;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = picture.width() * 0.55;
    const QRectF badge(picture.width() - side, picture.height() - side, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark == IconMark::Add ? QColor(0x20, 0xA0, 0x30) : QColor(0xD0, 0x20, 0x20));
    painter.drawEllipse(badge);
    painter.setPen(QPen(Qt::white, std::max(1.5, side / 6), Qt::SolidLine, Qt::RoundCap));
    const QPointF centre = badge.center();
    const qreal arm = side * 0.26;
    if (mark == IconMark::Add) {
        painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
        painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    } else {
        painter.drawLine(centre - QPointF(arm, arm), centre + QPointF(arm, arm));
        painter.drawLine(centre - QPointF(arm, -arm), centre + QPointF(arm, -arm));
    }
}

// The icon at size x size, scaled by the painter. The icon's own smooth scaling hands a
// large source picture to Qt's thread pool, whose hand-over the thread checker cannot
// follow; at these sizes the painter works on the calling thread.
QImage pictureAt(const QIcon& icon, int size)
{
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QSize source(size, size); // an icon without a list of sizes (a scalable one) draws at any
    if (!sizes.isEmpty()) {
        const auto larger = std::find_if(sizes.begin(), sizes.end(), [size](QSize s) { return s.width() >= size; });
        source = larger != sizes.end() ? *larger : sizes.last();
    }
    QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(drawn.rect(), icon.pixmap(source, 1.0));
    painter.end();
    return drawn.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage fadedPicture(const QImage& picture)
{
    QImage faded = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < faded.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(faded.scanLine(y));
        for (int x = 0; x < faded.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    return faded;
}

QIcon toolBarIcon(const QStyle& style, QStyle::StandardPixmap picture, IconMark mark)
{
    const QIcon standard = style.standardIcon(picture);
    QIcon icon;
    // Sizes enough for a tool bar at 100 % to 300 % scale.
    for (const int size : {16, 24, 32, 48}) {
        QImage drawn = pictureAt(standard, size);
        drawMark(drawn, mark);
        icon.addPixmap(QPixmap::fromImage(drawn), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(fadedPicture(drawn)), QIcon::Disabled);
    }
    return icon;
}

} // namespace q7582
