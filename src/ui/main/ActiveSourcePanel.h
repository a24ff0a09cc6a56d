#pragma once
// The "Active source" panel: the unit or input speaking with its priority, and the
// message playing; red while active.

#include "model/StatusBlock.h"

#include "ui/main/Panel.h"

namespace q7582 {

class ClickLabel;

class ActiveSourcePanel : public Panel {
    Q_OBJECT
public:
    explicit ActiveSourcePanel(QWidget* parent);

    void showStatus(const StatusBlock& sb);

private:
    ClickLabel* unit_;
    ClickLabel* priority_;
    ClickLabel* message_;
};

} // namespace q7582
