#include "ui/main/ConnectionIcon.h"

#include "ui/main/Icons.h"

#include <QPainter>

namespace q7582 {

ConnectionIcon::ConnectionIcon(const std::atomic<ConnectionState>& connectionState, QWidget* parent)
    : QWidget(parent), state_(connectionState)
{
}

int ConnectionIcon::imageFor(ConnectionState connectionState)
{
    switch (connectionState) {
    case ConnectionState::Connected:
        return icons::ConnConnected;
    case ConnectionState::Searching:
        return icons::ConnSearching;
    case ConnectionState::NotConnected:
        break;
    }
    return icons::ConnNotConnected;
}

// Draws only: enabling the master controls happens where the state is announced.
void ConnectionIcon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap& pm = icons::connection(shownImage(), devicePixelRatioF());
    p.drawPixmap(0, (height() - int(pm.deviceIndependentSize().height())) / 2, pm);
}

} // namespace q7582
