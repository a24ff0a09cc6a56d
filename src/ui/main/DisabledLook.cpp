#include "ui/main/DisabledLook.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace q7582 {
namespace {

// The index-th shown widget of window that keeps a disabled look, from a fresh list, so
// that widgets gone or hidden meanwhile are passed over; the chain ends past the last.
void prepareFrom(const QPointer<QWidget>& window, int index)
{
    QTimer::singleShot(0, window, [window, index] {
        int found = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            auto* look = dynamic_cast<DisabledLook*>(widget);
            if (!look || !widget->isVisible() || found++ < index)
                continue;
            look->prepareDisabledLook();
            prepareFrom(window, index + 1);
            return;
        }
    });
}

// The pictures show the active window's look (the look of a transfer started from it):
// they are drawn once the window is first active.
class StartWhenActive : public QObject {
public:
    explicit StartWhenActive(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            prepareFrom(static_cast<QWidget*>(watched), 0);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void prepareDisabledLookWhenIdle(QWidget& window) { new StartWhenActive(window); }

} // namespace q7582
