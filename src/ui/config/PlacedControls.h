#pragma once
// Controls of the timer events page, each named and placed by its pixel rectangle.

#include "ui/common/PressedLook.h"

#include <QLabel>
#include <QPushButton>

namespace q7582::placed {

template <typename W>
W* place(W* w, const char* name, int x, int y, int width, int height = 22)
{
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(x, y, width, height);
    return w;
}

inline QLabel* label(QWidget* parent, const QString& text, int x, int y, int width, const char* name = nullptr)
{
    return place(new QLabel(text, parent), name, x, y, width);
}

// A button that stays pressed in until clicked again.
inline QPushButton* toggle(QWidget* parent, const QString& text, const char* name, int x, int y, int width,
                           int height = 22)
{
    auto* b = place(new QPushButton(text, parent), name, x, y, width, height);
    b->setCheckable(true);
    givePressedLook(b);
    return b;
}

} // namespace q7582::placed
