#pragma once
// A panel of the main window: a group box whose frame and title are drawn once per size,
// title and state and then copied. The style looks its frame picture up and stretches it
// over the whole panel on every paint, also on the small ones beneath a changed label or
// meter: most of the time of a window repaint went there. Only the frame's edges are
// kept; its inside, one colour, is filled. The disabled picture can be drawn ahead, while
// the program is idle, so that a transfer's start only copies it.

#include "ui/main/DisabledLook.h"

#include <QGroupBox>
#include <QPixmap>
#include <QStyle>

namespace q7582 {

class Panel : public QGroupBox, public DisabledLook {
    Q_OBJECT
public:
    explicit Panel(const QString& title, QWidget* parent = nullptr);

    void prepareDisabledLook() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // In device pixels. With an empty inside, rows holds the whole frame.
    struct Frame {
        QPixmap rows;  // the rows above the inside, then those below it
        QPixmap sides; // beside the inside: its left edge, then its right edge
        QRect inside;
        QColor insideColour;
        QSize size;
        qreal ratio = 0;
        QString title;
        QStyle::State state;
    };

    const Frame& frame(bool enabled);
    void keepFrame(Frame& f, const QImage& whole);

    Frame frames_[2]; // disabled, enabled: a transfer toggles between them
};

} // namespace q7582
