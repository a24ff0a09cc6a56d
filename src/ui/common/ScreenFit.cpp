#include "ui/common/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

namespace q7582 {
namespace {

// What the window manager adds around a window not yet shown: title bar and borders.
constexpr int FrameWidth = 8, FrameHeight = 40;

} // namespace

WindowFit fitWindow(QSize wanted, QSize room, int scrollBarExtent)
{
    bool acrossCut = wanted.width() > room.width();
    bool downCut = wanted.height() > room.height();
    // A scroll bar for one side takes room from the other, which may then be cut too.
    for (int pass = 0; pass < 2; ++pass) {
        acrossCut = acrossCut || wanted.width() + (downCut ? scrollBarExtent : 0) > room.width();
        downCut = downCut || wanted.height() + (acrossCut ? scrollBarExtent : 0) > room.height();
    }
    const QSize withBars(wanted.width() + (downCut ? scrollBarExtent : 0),
                         wanted.height() + (acrossCut ? scrollBarExtent : 0));
    return {withBars.boundedTo(room), acrossCut || downCut};
}

QSize roomOnScreen(const QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    QSize frame(FrameWidth, FrameHeight);
    if (window.isVisible() && window.frameGeometry() != window.geometry())
        frame = window.frameGeometry().size() - window.geometry().size();
    return screen->availableGeometry().size() - frame;
}

int scrollBarExtent(const QWidget& window) { return window.style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

QPixmap transparentCanvas(QSize size, qreal ratio)
{
    QPixmap canvas(size * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    return canvas;
}

qreal screensPixelRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

QScrollArea* scrollingArea(QWidget* content)
{
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    return scroll;
}

void fitFixedWindow(QWidget& window, QSize clientSize)
{
    const WindowFit fit = fitWindow(clientSize, roomOnScreen(window), scrollBarExtent(window));
    if (fit.scrolls) {
        auto* content = new QWidget;
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                child->setParent(content); // keeps its geometry
        content->setFixedSize(clientSize);
        QScrollArea* scroll = scrollingArea(content);
        scroll->setParent(&window);
        scroll->setGeometry(QRect(QPoint(), fit.size));
    }
    window.setFixedSize(fit.size);
}

void fitResizableWindow(QWidget& window) { window.resize(window.size().boundedTo(roomOnScreen(window))); }

} // namespace q7582
