#pragma once
// The "Digital outputs" or "Digital inputs" panel: one row per I/O card.

#include "ui/main/GridPanel.h"

namespace q7582 {

class IoGridPanel : public GridPanel {
    Q_OBJECT
public:
    enum Direction { Outputs, Inputs };
    IoGridPanel(Direction direction, QWidget* parent);

    void showStatus(const StatusBlock& sb);

private:
    Direction direction_;
};

} // namespace q7582
