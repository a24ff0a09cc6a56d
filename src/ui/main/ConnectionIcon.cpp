#include "ui/main/ConnectionIcon.h"

#include "link/LinkShared.h"
#include "ui/main/Icons.h"

#include <QPainter>

namespace q7582 {

ConnectionIcon::ConnectionIcon(const std::atomic<int>& connectionState, QWidget* parent)
    : QWidget(parent), state_(connectionState)
{
}

int ConnectionIcon::imageFor(int connectionState)
{
    switch (connectionState) {
    case Connected:
        return icons::ConnConnected;
    case Searching:
        return icons::ConnSearching;
    default:
        return icons::ConnNotConnected;
    }
}

// Draws only: enabling the master controls happens where the state is announced.
void ConnectionIcon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap& pm = icons::connection(shownImage(), devicePixelRatioF());
    p.drawPixmap(0, (height() - int(pm.deviceIndependentSize().height())) / 2, pm);
}

} // namespace q7582
