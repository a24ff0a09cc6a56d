#include "ui/main/Icons.h"

#include "ui/common/ScreenFit.h"

#include <QPainter>
#include <map>
#include <tuple>

namespace q7582::icons {
namespace {

constexpr int ConnSize = 20;
constexpr int UnitSize = 14;

// Each picture is drawn once for each pixel ratio asked for.
enum class Kind { Connection, Unit };
const QPixmap& drawnOnce(Kind kind, int image, qreal ratio, QPixmap (*draw)(int image, qreal ratio))
{
    static std::map<std::tuple<Kind, int, qreal>, QPixmap> drawn;
    const auto key = std::make_tuple(kind, image, ratio);
    auto found = drawn.find(key);
    if (found == drawn.end())
        found = drawn.emplace(key, draw(image, ratio)).first;
    return found->second;
}

// Two plug halves: joined when connected, apart otherwise.
QPixmap drawConnection(int image, qreal ratio)
{
    QPixmap pm = transparentCanvas(QSize(ConnSize, ConnSize), ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = image == ConnConnected   ? QColor(0x20, 0xA0, 0x20)
                          : image == ConnSearching ? QColor(0xE0, 0xA0, 0x00)
                                                   : QColor(0xC0, 0x20, 0x20);
    const int gap = image == ConnConnected ? 0 : 4;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 6, 7 - gap / 2.0, 8), 2, 2);
    p.drawRoundedRect(QRectF(12 + gap / 2.0, 6, 7 - gap / 2.0, 8), 2, 2);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(8 - gap / 2.0, 8), QPointF(12 + gap / 2.0, 8));
    p.drawLine(QPointF(8 - gap / 2.0, 12), QPointF(12 + gap / 2.0, 12));
    if (image == ConnNotConnected) {
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
        p.drawLine(7, 2, 13, 18);
    } else if (image == ConnSearching) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 1, 10, 10), 30 * 16, 120 * 16);
    }
    return pm;
}

QPixmap drawUnit(int image, qreal ratio)
{
    QPixmap pm = transparentCanvas(QSize(UnitSize, UnitSize), ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    if (image == UnitIoCard) {
        p.setBrush(QColor(0x30, 0x80, 0x30));
        p.drawRect(QRectF(2.5, 2.5, 9, 9));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(4 + 3 * i, 0), QPointF(4 + 3 * i, 2.5));
            p.drawLine(QPointF(4 + 3 * i, 11.5), QPointF(4 + 3 * i, 14));
        }
    } else {
        p.setBrush(QColor(0x50, 0x50, 0x60));
        p.drawRoundedRect(QRectF(4.5, 0.5, 5, 8), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 3.5, 9, 7), 180 * 16, 180 * 16);
        p.drawLine(QPointF(7, 10.5), QPointF(7, 13));
        p.drawLine(QPointF(4, 13.5), QPointF(10, 13.5));
    }
    return pm;
}

} // namespace

const QPixmap& connection(int image, qreal ratio) { return drawnOnce(Kind::Connection, image, ratio, drawConnection); }

const QPixmap& unit(int image, qreal ratio) { return drawnOnce(Kind::Unit, image, ratio, drawUnit); }

// Q_INIT_RESOURCE may not stand inside a namespace.
} // namespace q7582::icons
static void initLogo() { Q_INIT_RESOURCE(logo); }
namespace q7582::icons {

const QIcon& logo()
{
    static const QIcon icon = [] {
        initLogo();
        QIcon i;
        i.addFile(QStringLiteral(":/logo/48.png"));
        i.addFile(QStringLiteral(":/logo/256.png"));
        return i;
    }();
    return icon;
}

} // namespace q7582::icons
