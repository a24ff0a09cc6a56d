#pragma once
// The "Groups" panel: each present slave's group.

#include "model/StatusBlock.h"

#include "ui/main/Panel.h"
#include <array>

namespace q7582 {

class ClickLabel;

class GroupsPanel : public Panel {
    Q_OBJECT
public:
    explicit GroupsPanel(QWidget* parent);

    void showStatus(const StatusBlock& sb);

private:
    std::array<ClickLabel*, StatusBlock::Slaves> groups_{};
};

} // namespace q7582
