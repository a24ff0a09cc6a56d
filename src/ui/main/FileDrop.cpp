#include "ui/main/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace q7582 {

FileDrop::FileDrop(QWidget* window, std::function<bool()> accepts, std::function<void(const QList<QUrl>&)> open)
    : QObject(window), accepts_(std::move(accepts)), open_(std::move(open))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->mimeData()->hasUrls() && accepts_())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls() || !accepts_())
            return true;
        drop->acceptProposedAction();
        // The questions and boxes come after the drop has ended: the file manager that
        // started the drag must not wait for them.
        QTimer::singleShot(0, this, [this, urls = drop->mimeData()->urls()] { open_(urls); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace q7582
