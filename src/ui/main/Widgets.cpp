#include "ui/main/Widgets.h"

#include "ui/common/PressedLook.h"
#include "ui/common/WindowHelp.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Panel.h"

#include <QGroupBox>
#include <QPushButton>

namespace q7582 {

void placePanel(QGroupBox* panel, const char* name, const QRect& geometry, const char* helpName, int helpContext)
{
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    makeHelpButton(panel, helpName, helpContext, HelpButtonLook::TitleCorner, QPoint(panel->width() - 24, 0));
}

QGroupBox* makePanel(QWidget* parent, const QString& title, const char* name, const QRect& geometry,
                     const char* helpName, int helpContext)
{
    auto* panel = new Panel(title, parent);
    placePanel(panel, name, geometry, helpName, helpContext);
    return panel;
}

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
    givePressedLook(b);
    b->setGeometry(geometry);
    return b;
}

} // namespace q7582
