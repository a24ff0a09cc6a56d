#include "ui/main/IoGridPanel.h"

#include "ui/common/HelpContexts.h"
#include "ui/main/Widgets.h"

namespace q7582 {
namespace {

CellGrid::Naming namingFor(IoGridPanel::Direction direction)
{
    const bool outputs = direction == IoGridPanel::Outputs;
    return {outputs ? QStringLiteral("OutCardLabel") : QStringLiteral("InCardLabel"), IoGridPanel::tr("Card "), 1,
            outputs ? QStringLiteral("OutCell") : QStringLiteral("InCell")};
}

} // namespace

IoGridPanel::IoGridPanel(Direction direction, QWidget* parent)
    : GridPanel(direction == Outputs ? tr("Digital outputs") : tr("Digital inputs"), namingFor(direction), parent),
      direction_(direction)
{
    if (direction == Outputs)
        placePanel(this, "PanelOut", QRect(574, 128, 272, 124), "BbOut", HelpContext::OutputPanel);
    else
        placePanel(this, "PanelIn", QRect(574, 254, 272, 124), "BbIn", HelpContext::InputPanel);
}

void IoGridPanel::showStatus(const StatusBlock& sb)
{
    for (int c = 0; c < 6; ++c)
        showRow(c, sb.ioRowPresent(c),
                [&sb, this](int n) { return direction_ == Outputs ? outputCellState(sb, n) : inputCellState(sb, n); });
}

} // namespace q7582
