#pragma once
// A titled panel around one painted 6 x 6 grid (zones, digital outputs, digital inputs):
// shows each row present or absent with its cells' states, and the cells' PC-side names
// as tool tips.

#include "ui/main/CellGrid.h"
#include "ui/main/StatusRules.h"

#include "ui/main/Panel.h"
#include <functional>
#include <string>
#include <vector>

namespace q7582 {

class GridPanel : public Panel {
    Q_OBJECT
public:
    GridPanel(const QString& title, const CellGrid::Naming& naming, QWidget* parent);

    CellGrid& grid() { return *grid_; }
    const CellGrid& grid() const { return *grid_; }
    void showNames(const std::vector<std::string>& names);

protected:
    // An absent row greys its caption and its six cells whatever their states.
    void showRow(int row, bool present, const std::function<CellState(int cell)>& state);

private:
    CellGrid* grid_;
};

} // namespace q7582
