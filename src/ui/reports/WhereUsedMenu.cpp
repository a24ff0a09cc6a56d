#include "ui/reports/WhereUsedMenu.h"

#include <QAction>
#include <QMenu>

namespace q7582 {

QMenu* popUpWhereUsed(QWidget* parent, const std::vector<UsedItem>& items, QPoint globalPos,
                      const std::function<void(const UsedItem&)>& show)
{
    if (items.empty())
        return nullptr;
    auto* menu = new QMenu(parent);
    menu->setObjectName(WhereUsedMenuName);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const UsedItem& item : items)
        QObject::connect(menu->addAction(whereUsedCaption(item)), &QAction::triggered, parent,
                         [show, item] { show(item); });
    menu->popup(globalPos);
    return menu;
}

} // namespace q7582
