#pragma once
// A panel of the main window: a group box whose frame and title are drawn once per size,
// title and state and then copied. The style looks its frame picture up and stretches it
// over the whole panel on every paint, also on the small ones beneath a changed label or
// meter: most of the time of a window repaint went there.

#include <QGroupBox>
#include <QPixmap>
#include <QStyle>

namespace q7582 {

class Panel : public QGroupBox {
    Q_OBJECT
public:
    explicit Panel(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Frame {
        QPixmap picture;
        QString title;
        QStyle::State state;
    };

    const QPixmap& frame();

    Frame frames_[2]; // disabled, enabled: a transfer toggles between them
};

} // namespace q7582
