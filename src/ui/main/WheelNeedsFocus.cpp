#include "ui/main/WheelNeedsFocus.h"

#include <QComboBox>
#include <QEvent>
#include <QSlider>
#include <QWidget>

namespace q7582 {

void WheelNeedsFocus::guardLiveControls(QWidget& root)
{
    auto* guard = new WheelNeedsFocus(&root);
    QList<QWidget*> controls;
    for (QSlider* slider : root.findChildren<QSlider*>())
        controls << slider;
    for (QComboBox* combo : root.findChildren<QComboBox*>())
        controls << combo;
    for (QWidget* control : controls) {
        control->installEventFilter(guard);
        if (control->focusPolicy() == Qt::WheelFocus) // the wheel would give the focus first
            control->setFocusPolicy(Qt::StrongFocus);
    }
}

bool WheelNeedsFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
        return false;
    // Ignored, the wheel goes on to the parents, up to the scroll area that holds them.
    event->ignore();
    return true;
}

} // namespace q7582
