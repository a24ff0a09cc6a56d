#include "ui/main/Widgets.h"

#include "ui/main/ClickLabel.h"

#include <QPushButton>

namespace q7582 {

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, const char* name)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

ClickLabel* makeText(QWidget* parent, const QString& name, const QRect& geometry, bool sunken)
{
    auto* t = new ClickLabel(parent, sunken);
    t->setObjectName(name);
    t->setGeometry(geometry);
    t->setAlignment(Qt::AlignCenter);
    return t;
}

QPushButton* makeToggle(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setCheckable(true);
    b->setGeometry(geometry);
    return b;
}

} // namespace q7582
