#pragma once
// The mouse wheel over a live control changes it only while the control has the keyboard
// focus; otherwise the wheel goes on to the window, which scrolls. So scrolling a window
// that does not fit its screen never moves a level or a source on the master.

#include <QObject>

class QWidget;

namespace q7582 {

class WheelNeedsFocus : public QObject {
public:
    // Guards every slider and combo box under root; a wheel no longer gives them the focus.
    static void guardLiveControls(QWidget& root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace q7582
