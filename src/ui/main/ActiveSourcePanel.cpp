#include "ui/main/ActiveSourcePanel.h"

#include "ui/common/HelpContexts.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/Widgets.h"

namespace q7582 {

ActiveSourcePanel::ActiveSourcePanel(QWidget* parent) : Panel(tr("Active source"), parent)
{
    placePanel(this, "PanelAtt", QRect(308, 304, 262, 96), "BbAtt", HelpContext::ActiveSourcePanel);
    makeLabel(this, tr("Source"), QRect(8, 24, 60, 16));
    unit_ = makeText(this, QStringLiteral("STUnitAtt"), QRect(70, 22, 110, 18));
    makeLabel(this, tr("Pty"), QRect(188, 24, 24, 16));
    priority_ = makeText(this, QStringLiteral("STPtyAtt"), QRect(214, 22, 36, 18));
    makeLabel(this, tr("Message"), QRect(8, 56, 60, 16));
    message_ = makeText(this, QStringLiteral("STMsgAtt"), QRect(70, 54, 110, 18));
}

void ActiveSourcePanel::showStatus(const StatusBlock& sb)
{
    const ActiveSourceView source = activeSourceView(sb);
    const QColor sourceColour = source.active ? colours::lightRed() : colours::lightGreen();
    unit_->setText(source.source);
    unit_->setBackground(sourceColour);
    priority_->setText(source.priority);
    priority_->setBackground(sourceColour);
    const ActiveMessageView message = activeMessageView(sb);
    message_->setText(message.text);
    message_->setBackground(message.active ? colours::lightRed() : colours::lightGreen());
}

} // namespace q7582
