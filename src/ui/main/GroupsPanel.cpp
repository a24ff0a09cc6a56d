#include "ui/main/GroupsPanel.h"

#include "ui/common/HelpContexts.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/Widgets.h"

#include <QLabel>

namespace q7582 {

GroupsPanel::GroupsPanel(QWidget* parent) : Panel(tr("Groups"), parent)
{
    placePanel(this, "PanelGroup", QRect(308, 402, 262, 64), "BbGroup", HelpContext::GroupPanel);
    for (int s = 0; s < StatusBlock::Slaves; ++s) {
        const int x = 12 + 40 * s;
        QLabel* l = makeLabel(this, QString::number(s), QRect(x, 18, 34, 14));
        l->setAlignment(Qt::AlignCenter);
        groups_[std::size_t(s)] = makeText(this, QStringLiteral("GroupText%1").arg(s), QRect(x, 36, 34, 18));
    }
}

void GroupsPanel::showStatus(const StatusBlock& sb)
{
    for (int s = 0; s < StatusBlock::Slaves; ++s) {
        ClickLabel* g = groups_[std::size_t(s)];
        const bool present = sb.slavePresent(s);
        g->setBackground(present ? colours::white() : colours::absent());
        g->setText(present ? QString::number(sb.slaveGroup(s)) : QString());
    }
}

} // namespace q7582
