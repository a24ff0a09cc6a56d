#pragma once
// Windows on small or magnified screens (QT_SCALE_FACTOR=2 leaves 960 x 540 of a
// 1920 x 1080 screen): a window keeps the size its content wants while the screen has
// room for it; otherwise it takes the room and its content scrolls, so that its menu,
// tool and status bars stay on screen.

#include <QPixmap>
#include <QSize>

class QScrollArea;
class QWidget;

namespace q7582 {

struct WindowFit {
    QSize size;           // the window's size
    bool scrolls = false; // its content is larger and scrolls
};

// The window for content that wants `wanted`, with `room` on the screen (its available
// size less the window frame); a scrolled side takes `scrollBarExtent` more across.
WindowFit fitWindow(QSize wanted, QSize room, int scrollBarExtent);

// The room for a window on its screen: the available geometry less the frame.
QSize roomOnScreen(const QWidget& window);
// The style's scroll bar width.
int scrollBarExtent(const QWidget& window);

// A frameless scroll area around `content`, which grows with it and scrolls only when
// the area is smaller than the content's minimum size.
QScrollArea* scrollingArea(QWidget* content);
// A transparent picture of `size` to draw on in its own units, with `ratio` device
// pixels to each: sharp on a magnified screen.
QPixmap transparentCanvas(QSize size, qreal ratio);
// The device pixel ratio of the program's screens (the highest, for pictures drawn once).
qreal screensPixelRatio();

// A window of fixed client size whose children are placed by hand: fixed at that size
// where it fits, else fixed at the room with its children moved into a scroll area.
void fitFixedWindow(QWidget& window, QSize clientSize);
// A window the user may resize: made no larger than the room.
void fitResizableWindow(QWidget& window);

} // namespace q7582
