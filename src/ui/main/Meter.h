#pragma once
// A level bar drawn like the style's progress bar. A new value schedules a paint
// instead of painting at once (as QProgressBar::setValue does), so the status refresh
// never paints while the worker waits for it.

#include <QWidget>

namespace q7582 {

class Meter : public QWidget {
    Q_OBJECT
public:
    explicit Meter(int maximum, QWidget* parent = nullptr);

    int value() const { return value_; }
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int maximum_;
    int value_ = 0;
};

} // namespace q7582
