#include "ui/main/LevelSlider.h"

#include <QPainter>

namespace q7582 {

QStyleOptionSlider filledFromBottom(const QStyleOptionSlider& option)
{
    QStyleOptionSlider mirrored(option);
    if (option.orientation != Qt::Vertical || option.upsideDown)
        return mirrored; // the minimum is at the bottom already
    const auto mirror = [&option](int value) { return option.maximum + option.minimum - value; };
    mirrored.upsideDown = true;
    mirrored.sliderPosition = mirror(option.sliderPosition);
    mirrored.sliderValue = mirror(option.sliderValue);
    return mirrored;
}

LevelSlider::LevelSlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {}

QStyleOptionSlider LevelSlider::paintOption() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (tickPosition() != NoTicks)
        option.subControls |= QStyle::SC_SliderTickmarks;
    return filledFromBottom(option);
}

void LevelSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QStyleOptionSlider option = paintOption();
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

} // namespace q7582
