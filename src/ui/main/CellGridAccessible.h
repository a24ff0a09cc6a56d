#pragma once
// Accessibility of the painted grid: one child per row caption and per cell, named as
// the control it stands for ("SlaveLabel0", "ZoneCell1"...), its tool tip as description.

#include "ui/main/CellGrid.h"

#include <QAccessibleWidget>
#include <array>

namespace q7582 {

class CellGridAccessible : public QAccessibleWidget {
public:
    explicit CellGridAccessible(CellGrid* grid);
    ~CellGridAccessible() override;

    // Makes Qt ask this class for every CellGrid; once is enough.
    static void install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    std::array<QAccessible::Id, CellGrid::Rows + CellGrid::Cells> childIds_{}; // the captions, then the cells
};

} // namespace q7582
