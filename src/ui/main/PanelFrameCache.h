#pragma once
// A panel's group box frame and title, drawn once per size, title and enabled state and
// then copied. The style looks its frame picture up and stretches it over the whole
// panel on every paint, also on the small ones beneath a changed label or meter: most
// of the time of a window repaint went there.

#include <QObject>
#include <QPixmap>
#include <QString>

class QGroupBox;

namespace q7582 {

class PanelFrameCache : public QObject {
public:
    // Owned by the panel; paints it from then on.
    explicit PanelFrameCache(QGroupBox* panel);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Frame {
        QPixmap picture;
        QString title;
    };

    const QPixmap& frame();

    QGroupBox* panel_;
    Frame frames_[2]; // disabled, enabled
    bool drawing_ = false;
};

} // namespace q7582
