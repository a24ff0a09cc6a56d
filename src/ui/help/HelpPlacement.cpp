#include "ui/help/HelpPlacement.h"

#include <algorithm>

namespace q7582::helpPlacement {

namespace {

// How far the help window sits inside a modal caller's top right corner.
constexpr int CallerInset = 32;

} // namespace

QRect onScreen(QRect frame, const QRect& screen)
{
    frame.setWidth(std::min(frame.width(), screen.width()));
    frame.setHeight(std::min(frame.height(), screen.height()));
    const int left = std::clamp(frame.left(), screen.left(), screen.right() - frame.width() + 1);
    const int top = std::clamp(frame.top(), screen.top(), screen.bottom() - frame.height() + 1);
    frame.moveTo(left, top);
    return frame;
}

QRect beside(const QSize& frame, const QRect& anchor, const QRect& screen)
{
    const QRect right(QPoint(anchor.right() + 1 + Gap, anchor.top()), frame);
    if (right.right() <= screen.right())
        return onScreen(right, screen);
    const QRect left(QPoint(anchor.left() - Gap - frame.width(), anchor.top()), frame);
    if (left.left() >= screen.left())
        return onScreen(left, screen);
    // Neither side has room: over the anchor's right part, still on screen.
    return onScreen(QRect(QPoint(anchor.right() + 1 - frame.width(), anchor.top()), frame), screen);
}

QRect over(const QSize& frame, const QRect& caller, const QRect& screen)
{
    const QPoint topLeft(caller.right() + 1 - CallerInset - frame.width(), caller.top() + CallerInset);
    return onScreen(QRect(topLeft, frame), screen);
}

} // namespace q7582::helpPlacement
