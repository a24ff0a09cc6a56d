#pragma once
// The value tag of the last moved level slider, shown beside it on that slider's panel
// for 2 s (timer `TBox`).

#include "ui/main/PendingChanges.h"

#include <QLabel>

class QSlider;
class QTimer;

namespace q7582 {

class LevelTag : public QLabel {
    Q_OBJECT
public:
    explicit LevelTag(QWidget* parent);
    // Shows the level of `slider` at its position and starts the 2 s.
    void showFor(LiveParam entry, QSlider* slider);
    void hideTag();

private:
    QTimer* timer_;
};

} // namespace q7582
