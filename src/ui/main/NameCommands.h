#pragma once
// The PC-side names on the master page: the units, the zones, outputs and inputs, and
// the music sources. A double click renames one; the table is saved at once.

#include "ui/main/MasterPagePanels.h"

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace q7582 {

class DialogProvider;
class NameTables;

class NameCommands : public QObject {
public:
    // window: the parent of the name dialogs and of this object.
    NameCommands(NameTables& names, const MasterPagePanels& panels, DialogProvider& dialogs, QWidget* window);

    // Reads the name files (a missing or unreadable one leaves the default names) and shows them.
    void loadNames();

private:
    std::optional<QString> askName(const QString& current);
    void renameUnit(int n);
    void renameGridCell(std::vector<std::string>& table, int cell);
    void renameMusicSource(int n);

    NameTables& names_;
    MasterPagePanels panels_;
    DialogProvider& dialogs_;
    QWidget* window_;
};

} // namespace q7582
