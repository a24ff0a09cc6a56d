#pragma once
// The "Groups" panel: each present slave's group.

#include "model/StatusBlock.h"

#include <QGroupBox>
#include <array>

namespace q7582 {

class ClickLabel;

class GroupsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit GroupsPanel(QWidget* parent);

    void showStatus(const StatusBlock& sb);

private:
    std::array<ClickLabel*, StatusBlock::Slaves> groups_{};
};

} // namespace q7582
