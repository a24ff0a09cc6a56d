#pragma once
// The "Units" panel: the sixteen units, each with its kind's icon, its PC-side name and
// its priority and line, green when connected.

#include "model/StatusBlock.h"

#include "ui/main/Panel.h"
#include <array>

class QLabel;

namespace q7582 {

class ClickLabel;
class NameTables;

class UnitsPanel : public Panel {
    Q_OBJECT
public:
    explicit UnitsPanel(QWidget* parent);

    void showStatus(const StatusBlock& sb);
    void showNames(const NameTables& names);

signals:
    void nameDoubleClicked(int unit); // 1..16

private:
    std::array<QLabel*, StatusBlock::Units> icons_{};
    std::array<ClickLabel*, StatusBlock::Units> names_{};
    std::array<ClickLabel*, StatusBlock::Units> lines_{};
};

} // namespace q7582
