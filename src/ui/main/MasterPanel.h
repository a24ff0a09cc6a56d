#pragma once
// The "Master" panel: address, chime, date and time, clock alignment and summer time.
// It shows what the master reports and keeps what the user set until the refresh folds
// it into the status block.

#include "model/StatusBlock.h"

#include "ui/main/Panel.h"
#include <vector>

class QPushButton;

namespace q7582 {

class ClickLabel;

class MasterPanel : public Panel {
    Q_OBJECT
public:
    explicit MasterPanel(QWidget* parent);

    QString addressText() const;
    void setAddressText(const QString& text);
    bool addressEnabled() const;
    bool chimeOn() const;
    bool summerTimeOff() const;

    void showAddress(int address);
    void showChime(bool on);
    void showSummerTimeOff(bool off);
    void showClock(const ClockTime& clock);
    // Works only with a master connected; the clock buttons also need a real date.
    void setConnected(bool connected);

signals:
    void addressDoubleClicked();
    void chimeClicked(bool on);
    void summerTimeClicked(bool off);
    void alignClicked();

private:
    void updateEnabled();

    ClickLabel* address_;
    QPushButton* chime_;
    ClickLabel* date_;
    ClickLabel* time_;
    QPushButton* align_;
    QPushButton* summerTime_;
    std::vector<QWidget*> labels_;
    bool connected_ = false;
    bool clockValid_ = false;
};

} // namespace q7582
