#pragma once
// The "IN/OUT logic" page: logic, edge operation and priority of the 36 inputs and
// logic of the 36 outputs of I/O cards 1 to 6, in the working copy.

#include "ui/config/EditorSession.h"
#include "ui/config/IoLogicRules.h"

#include <QWidget>

#include <array>

class QToolButton;

namespace q7582 {

class CellLabel;

class IoLogicPage : public QWidget {
    Q_OBJECT
public:
    IoLogicPage(EditorSession& session, QWidget* parent);

    // Applies the display rule to all 36 lines.
    void refresh();

    CellLabel* inputCell(int k) const { return inputs_[k]; }
    CellLabel* outputCell(int k) const { return outputs_[k]; }
    CellLabel* priorityBox(int k) const { return priorities_[k]; }
    QToolButton* risingButton(int k) const { return rising_[k]; }
    QToolButton* fallingButton(int k) const { return falling_[k]; }

private:
    void inputCellClicked(int k);
    void outputCellClicked(int k);
    void risingEdgeClicked(int k);
    void fallingEdgeClicked(int k);
    void priorityBoxClicked(int k);
    void inputContactsClicked();
    void outputContactsClicked();
    Byte& line(int k) { return ioLine(session_.workingCopy, k); }

    EditorSession& session_;
    std::array<CellLabel*, IoLineCount> inputs_{};
    std::array<CellLabel*, IoLineCount> outputs_{};
    std::array<CellLabel*, IoLineCount> priorities_{};
    std::array<QToolButton*, IoLineCount> rising_{};
    std::array<QToolButton*, IoLineCount> falling_{};
};

} // namespace q7582
