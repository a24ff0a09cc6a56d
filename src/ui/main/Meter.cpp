#include "ui/main/Meter.h"

#include <QStyleOptionProgressBar>
#include <QStylePainter>

namespace q7582 {

Meter::Meter(int maximum, QWidget* parent) : QWidget(parent), maximum_(maximum)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Meter::setValue(int value)
{
    value = std::clamp(value, 0, maximum_);
    if (value == value_)
        return;
    value_ = value;
    update();
}

void Meter::paintEvent(QPaintEvent*)
{
    QStyleOptionProgressBar option;
    option.initFrom(this);
    option.minimum = 0;
    option.maximum = maximum_;
    option.progress = value_;
    option.textVisible = false;
    option.state |= QStyle::State_Horizontal;
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_ProgressBar, option);
}

} // namespace q7582
