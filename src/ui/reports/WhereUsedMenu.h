#pragma once
// The context menu that offers "Where used" for a zone, an output or an input: one entry
// per item, each showing its list in the report viewer.

#include "reports/WhereUsed.h"

#include <QPoint>

#include <functional>
#include <vector>

class QMenu;
class QWidget;

namespace q7582 {

inline const QString WhereUsedMenuName = QStringLiteral("WhereUsedMenu");

// Pops the menu up at globalPos, owned by parent and gone once closed; nothing for no items.
QMenu* popUpWhereUsed(QWidget* parent, const std::vector<UsedItem>& items, QPoint globalPos,
                      const std::function<void(const UsedItem&)>& show);

} // namespace q7582
