#pragma once
// A framed text that reports mouse presses and double clicks: the grid cells, the
// unit and music names, the master address.

#include <QColor>
#include <QLabel>

namespace q7582 {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr, bool sunken = true);
    void setBackground(const QColor& c);
    QColor background() const { return background_; }

signals:
    void mousePressed(Qt::MouseButton button);
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QColor background_;
};

} // namespace q7582
