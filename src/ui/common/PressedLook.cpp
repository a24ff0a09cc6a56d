#include "ui/common/PressedLook.h"

#include <QAbstractButton>

namespace q7582 {

void givePressedLook(QAbstractButton* button)
{
    // Only the checked states have rules: a released button is drawn by the style itself.
    button->setStyleSheet(
        QStringLiteral("QPushButton:checked { background-color: palette(highlight); color: palette(highlighted-text);"
                       " border: 2px inset palette(dark); border-radius: 2px; }"
                       "QPushButton:checked:disabled { background-color: palette(mid); color: palette(light); }"));
}

} // namespace q7582
