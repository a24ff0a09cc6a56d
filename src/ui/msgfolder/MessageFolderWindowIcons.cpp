#include "ui/msgfolder/MessageFolderWindowIcons.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace q7582 {

namespace {

// How much of a pixel a shape covers, from the signed distance of its centre to the
// shape's edge (negative inside): a soft edge one pixel wide.
double coverage(double distance) { return std::clamp(0.5 - distance, 0.0, 1.0); }

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a, ap = p - a;
    const double t = std::clamp(QPointF::dotProduct(ap, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF off = ap - t * ab;
    return std::hypot(off.x(), off.y());
}

// colour laid over a straight (not premultiplied) ARGB pixel with that opacity.
QRgb over(QRgb below, const QColor& colour, double opacity)
{
    const double belowAlpha = qAlpha(below) / 255.0 * (1 - opacity);
    const double alpha = opacity + belowAlpha;
    if (alpha <= 0)
        return below;
    const auto mix = [&](int top, int bottom) {
        return int(std::lround((top * opacity + bottom * belowAlpha) / alpha));
    };
    return qRgba(mix(colour.red(), qRed(below)), mix(colour.green(), qGreen(below)), mix(colour.blue(), qBlue(below)),
                 int(std::lround(alpha * 255)));
}

// A round badge in the bottom right quarter: a green plus or a red cross. Computed pixel
// by pixel: an antialiased painter splits a shape into more spans than Qt fills on the
// calling thread, and its thread pool's hand-over is invisible to the thread checker.
void drawMark(QImage& picture, IconMark mark)
{
    if (mark == IconMark::None)
        return;
    const double side = picture.width() * 0.55;
    const QPointF centre(picture.width() - side / 2, picture.height() - side / 2);
    const double arm = side * 0.26, halfPen = std::max(1.5, side / 6) / 2;
    const QPointF across = mark == IconMark::Add ? QPointF(arm, 0) : QPointF(arm, arm);
    const QPointF down = mark == IconMark::Add ? QPointF(0, arm) : QPointF(arm, -arm);
    const QColor badge = mark == IconMark::Add ? QColor(0x20, 0xA0, 0x30) : QColor(0xD0, 0x20, 0x20);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            const double disc = coverage(std::hypot(p.x() - centre.x(), p.y() - centre.y()) - side / 2);
            if (disc <= 0)
                continue;
            const double strokes = std::max(coverage(distanceToSegment(p, centre - across, centre + across) - halfPen),
                                            coverage(distanceToSegment(p, centre - down, centre + down) - halfPen));
            line[x] = over(over(line[x], badge, disc), Qt::white, std::min(strokes, disc));
        }
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
