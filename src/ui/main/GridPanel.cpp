#include "ui/main/GridPanel.h"

#include "ui/main/Colours.h"

namespace q7582 {

GridPanel::GridPanel(const QString& title, const CellGrid::Naming& naming, QWidget* parent)
    : Panel(title, parent), grid_(new CellGrid(naming, this))
{
    grid_->move(8, 22);
}

void GridPanel::showNames(const std::vector<std::string>& names)
{
    for (int n = 0; n < CellGrid::Cells; ++n)
        grid_->setCellToolTip(n, QString::fromStdString(names.at(std::size_t(n))));
}

void GridPanel::showRow(int row, bool present, const std::function<CellState(int cell)>& state)
{
    grid_->setRowBackground(row, present ? colours::white() : colours::absent());
    for (int k = 0; k < CellGrid::Columns; ++k) {
        const int n = CellGrid::Columns * row + k;
        grid_->setCellBackground(n, colours::forCell(present ? state(n) : CellState::Absent));
    }
}

} // namespace q7582
