#include "ui/main/LevelTag.h"

#include "ui/main/Colours.h"
#include "ui/main/StatusRules.h"

#include <QSlider>
#include <QTimer>

namespace q7582 {

LevelTag::LevelTag(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("LevelTag"));
    setFixedSize(20, 16);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colours::valueTag());
    setPalette(p);
    hide();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("TBox"));
    timer_->setInterval(2000);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &LevelTag::hideTag);
}

void LevelTag::showFor(LiveParam entry, QSlider* slider)
{
    const int position = slider->value();
    setText(QString::number(levelForSliderPosition(entry, position)));
    setParent(slider->parentWidget());
    const QRect g = slider->geometry();
    if (levelSliderIsVertical(entry))
        move(g.left() - 25, g.top() + 6 * position + 6);
    else if (entry >= LiveVoxThreshold)
        move(g.left() + 3 * position + 2, g.top() - 16);
    else
        move(g.left() + 4 * position + 1, g.top() - 16);
    show();
    raise();
    timer_->start();
}

void LevelTag::hideTag()
{
    timer_->stop();
    hide();
}

} // namespace q7582
