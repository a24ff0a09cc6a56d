#pragma once
// A window's child that the test expects by its name: a missing one (a renamed widget)
// fails the test at once instead of crashing the test program. And the mouse as the user's.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace q7582::test {

template <typename T = QWidget>
T* child(const QObject& parent, const QString& name)
{
    if (T* found = parent.findChild<T*>(name))
        return found;
    throw std::runtime_error("no child named " + name.toStdString());
}

// A mouse event sent to w, as a user's at that point.
inline void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPointF at = QPointF(2, 2))
{
    QMouseEvent e(type, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace q7582::test
