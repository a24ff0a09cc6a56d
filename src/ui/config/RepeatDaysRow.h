#pragma once
// The repetition row of the timer events page: one time, daily, or weekly on the days
// pressed in on the day panel, which shows for weekly only.

#include "model/ConfigImage.h"

#include <QWidget>

#include <array>

class QPushButton;
class QRadioButton;

namespace q7582 {

class RepeatDaysRow : public QWidget {
    Q_OBJECT
public:
    explicit RepeatDaysRow(QWidget* page);

    // Repeat days as stored: bit 0 Monday .. bit 6 Sunday.
    void showDays(Byte days);
    Byte pressedDays() const;

signals:
    // One of the three kinds was clicked: the repeat days it starts with.
    void kindClicked(Byte days);
    void dayClicked();

private:
    QRadioButton* oneTime_;
    QRadioButton* daily_;
    QRadioButton* weekly_;
    QWidget* daysPanel_;
    std::array<QPushButton*, 7> days_{}; // Monday first
};

} // namespace q7582
