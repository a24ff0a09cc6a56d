#pragma once
// The music source selector: tells when its list opens and closes, so that the
// refresh leaves it alone while the user is choosing.

#include <QComboBox>

namespace q7582 {

class MusicCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;
    void hidePopup() override;

signals:
    void dropDown();
    void closeUp();
};

} // namespace q7582
