#include "ui/main/ZoneGridPanel.h"

#include "ui/common/HelpContexts.h"
#include "ui/main/Colours.h"
#include "ui/main/Widgets.h"

namespace q7582 {

ZoneGridPanel::ZoneGridPanel(QWidget* parent)
    : GridPanel(tr("Zones"), {QStringLiteral("SlaveLabel"), QStringLiteral("Slave "), 0, QStringLiteral("ZoneCell")},
                parent)
{
    placePanel(this, "PanelSlave", QRect(574, 2, 272, 124), "BbSlave", HelpContext::ZonePanel);
}

void ZoneGridPanel::showStatus(const StatusBlock& sb)
{
    for (int n = 0; n < GridCells; ++n)
        cells_[std::size_t(n)] = zoneCellState(sb, n);
    for (int s = 0; s < StatusBlock::Slaves; ++s)
        showRow(s, sb.slavePresent(s), [this](int n) { return cells_[std::size_t(n)]; });
}

bool ZoneGridPanel::toggleMusic(int cell)
{
    CellState& state = cells_.at(std::size_t(cell));
    if (!toggleZoneCell(state))
        return false;
    grid().setCellBackground(cell, colours::forCell(state));
    return true;
}

} // namespace q7582
