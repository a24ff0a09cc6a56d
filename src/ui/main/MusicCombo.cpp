#include "ui/main/MusicCombo.h"

namespace q7582 {

void MusicCombo::showPopup()
{
    emit dropDown();
    QComboBox::showPopup();
}

void MusicCombo::hidePopup()
{
    QComboBox::hidePopup();
    emit closeUp();
}

} // namespace q7582
