#include "ui/config/CellLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace q7582 {

QColor cellQColor(CellColour c)
{
    switch (c) {
    case CellColour::Green:
        return QColor(0x40, 0xFF, 0x40);
    case CellColour::Red:
        return QColor(0xFF, 0x00, 0x00);
    case CellColour::White:
        break;
    }
    return QColor(0xFF, 0xFF, 0xFF);
}

CellLabel::CellLabel(const QString& text, QWidget* parent, bool handCursor) : QLabel(text, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFixedHeight(21);
    if (handCursor)
        setCursor(Qt::PointingHandCursor);
    setColour(CellColour::White);
}

void CellLabel::setColour(CellColour c)
{
    colour_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, cellQColor(c));
    p.setColor(QPalette::WindowText, Qt::black);
    // A disabled box (the period of a timer that does not repeat) looks like any disabled field.
    const QPalette plain;
    p.setColor(QPalette::Disabled, QPalette::Window, plain.color(QPalette::Disabled, QPalette::Window));
    p.setColor(QPalette::Disabled, QPalette::WindowText, plain.color(QPalette::Disabled, QPalette::WindowText));
    setPalette(p);
}

void CellLabel::setFaceColour()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QPalette().color(QPalette::Button));
    setPalette(p);
}

void CellLabel::paintEvent(QPaintEvent* e)
{
    const QRect room = contentsRect();
    const int wanted = fontMetrics().horizontalAdvance(text());
    if (wanted <= room.width() || room.width() <= 0) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    // Hinted sizes do not scale evenly: step down until it fits with a pixel to spare.
    QFont smaller = font();
    qreal size = smaller.pointSizeF() * room.width() / wanted;
    do {
        smaller.setPointSizeF(size);
        size -= 0.25;
    } while (size > 1 && QFontMetrics(smaller).horizontalAdvance(text()) > room.width() - 2);
    painter.setFont(smaller);
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), text(), foregroundRole());
}

void CellLabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && isEnabled())
        emit clicked();
    QLabel::mousePressEvent(e);
}

} // namespace q7582
