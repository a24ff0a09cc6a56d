#include "ui/main/UnitsPanel.h"

#include "settings/NameTables.h"
#include "ui/common/HelpContexts.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/Icons.h"
#include "ui/main/Widgets.h"

namespace q7582 {
namespace {

constexpr int RowPitch = 16, RowHeight = 15;

} // namespace

UnitsPanel::UnitsPanel(QWidget* parent) : Panel(tr("Units"), parent)
{
    placePanel(this, "PanelUnit", QRect(308, 2, 262, 300), "BbUnit", HelpContext::UnitPanel);
    makeLabel(this, tr("Name"), QRect(28, 18, 140, 14));
    makeLabel(this, tr("Pty/Line"), QRect(176, 18, 70, 14));
    for (int u = 0; u < StatusBlock::Units; ++u) {
        const int y = 36 + RowPitch * u;
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("UnitIcon%1").arg(u));
        icon->setGeometry(8, y, 14, 14);
        icon->hide();
        icons_[std::size_t(u)] = icon;
        ClickLabel* name = makeText(this, QStringLiteral("UnitName%1").arg(u + 1), QRect(28, y, 140, RowHeight));
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        name->setProperty("tag", u + 1);
        connect(name, &ClickLabel::doubleClicked, this, [this, u] { emit nameDoubleClicked(u + 1); });
        names_[std::size_t(u)] = name;
        lines_[std::size_t(u)] = makeText(this, QStringLiteral("UnitLine%1").arg(u), QRect(176, y, 70, RowHeight));
    }
}

void UnitsPanel::showStatus(const StatusBlock& sb)
{
    for (int u = 0; u < StatusBlock::Units; ++u) {
        const UnitRowView row = unitRowView(sb, u);
        const QColor colour = row.connected ? colours::lightGreen() : colours::absent();
        names_[std::size_t(u)]->setBackground(colour);
        lines_[std::size_t(u)]->setBackground(colour);
        lines_[std::size_t(u)]->setText(row.lineText);
        QLabel* icon = icons_[std::size_t(u)];
        const icons::UnitImage image = row.ioCard ? icons::UnitIoCard : icons::UnitDeskMicrophone;
        // A label repaints itself and the panel beneath on every setPixmap, also of the
        // picture it shows.
        if (row.connected && icon->property("unitImage") != QVariant(image)) {
            icon->setPixmap(icons::unit(image, icon->devicePixelRatioF()));
            icon->setProperty("unitImage", image);
        }
        icon->setVisible(row.connected);
    }
}

void UnitsPanel::showNames(const NameTables& names)
{
    for (int n = 1; n <= StatusBlock::Units; ++n)
        names_[std::size_t(n - 1)]->setText(QString::fromStdString(names.unitCaption(n)));
}

} // namespace q7582
