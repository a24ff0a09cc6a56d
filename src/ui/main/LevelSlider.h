#pragma once
// A level track bar. The vertical ones hold position 0 at the top (the level sent is
// 20 - position), so the style would fill their groove from the top down to the handle:
// they are drawn mirrored, which keeps the handle where it is and fills from the bottom
// up, so the filled part grows with the level. Keys and mouse work on the positions.

#include <QSlider>
#include <QStyleOptionSlider>

namespace q7582 {

// The option to draw a slider with: for a vertical one whose minimum is at the top, the
// same handle place with the fill below the handle; any other as it is.
QStyleOptionSlider filledFromBottom(const QStyleOptionSlider& option);

class LevelSlider : public QSlider {
    Q_OBJECT
public:
    LevelSlider(Qt::Orientation orientation, QWidget* parent);
    // How it is drawn now.
    QStyleOptionSlider paintOption() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace q7582
