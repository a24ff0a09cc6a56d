#pragma once
// Status bar panel 0: the connection icon of the link's ConnectionState.

#include "link/LinkShared.h"

#include <QWidget>
#include <atomic>

namespace q7582 {

class ConnectionIcon : public QWidget {
    Q_OBJECT
public:
    ConnectionIcon(const std::atomic<ConnectionState>& connectionState, QWidget* parent = nullptr);
    // The ILconn image the state asks for.
    static int imageFor(ConnectionState connectionState);
    int shownImage() const { return imageFor(state_.load()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const std::atomic<ConnectionState>& state_;
};

} // namespace q7582
