#include "ui/main/ClickLabel.h"

#include <QMouseEvent>

namespace q7582 {

ClickLabel::ClickLabel(QWidget* parent, bool sunken) : QLabel(parent)
{
    if (sunken)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
}

void ClickLabel::setBackground(const QColor& c)
{
    if (c == background_)
        return;
    background_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

void ClickLabel::mousePressEvent(QMouseEvent* e)
{
    emit mousePressed(e->button());
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(e);
}

} // namespace q7582
