#include "ui/main/NameCommands.h"

#include "settings/NameTables.h"
#include "ui/common/AskUntilValid.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/StatusRules.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

#include <QCoreApplication>
#include <QWidget>

namespace q7582 {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

NameCommands::NameCommands(NameTables& names, const MasterPagePanels& panels, DialogProvider& dialogs, QWidget* window)
    : QObject(window), names_(names), panels_(panels), dialogs_(dialogs), window_(window)
{
    connect(&panels_.zones->grid(), &CellGrid::cellDoubleClicked, this,
            [this](int n) { renameGridCell(names_.zones, n); });
    connect(&panels_.outputs->grid(), &CellGrid::cellDoubleClicked, this,
            [this](int n) { renameGridCell(names_.outputs, n); });
    connect(&panels_.inputs->grid(), &CellGrid::cellDoubleClicked, this,
            [this](int n) { renameGridCell(names_.inputs, n); });
    connect(panels_.units, &UnitsPanel::nameDoubleClicked, this, &NameCommands::renameUnit);
    connect(panels_.music, &LevelsPanel::sourceNameDoubleClicked, this, &NameCommands::renameMusicSource);
}

void NameCommands::loadNames()
{
    (void)names_.loadNames(); // a missing or unreadable file leaves the default names, without a message
    panels_.showNames(names_);
}

std::optional<QString> NameCommands::askName(const QString& current)
{
    return askUntilValid(
        dialogs_, window_, QCoreApplication::translate("NameCommands", "Edit box"),
        QCoreApplication::translate("NameCommands", "Max 20 Characters"), current,
        [](const QString& answer) { return validNameAnswer(answer) ? std::optional(answer) : std::nullopt; },
        [](const QString&) { return QCoreApplication::translate("StatusRules", NameTooLongLine); });
}

void NameCommands::renameUnit(int n)
{
    std::string& name = names_.units.at(std::size_t(n - 1));
    QString current = q(name);
    while (!current.isEmpty() && current.back().isSpace())
        current.chop(1);
    const auto answer = askName(current);
    if (!answer)
        return;
    name = answer->toStdString();
    panels_.showUnitNames(names_);
    dialogs_.fileError(window_, names_.saveUnitNames());
}

void NameCommands::renameGridCell(std::vector<std::string>& table, int cell)
{
    const auto answer = askName(q(table.at(std::size_t(cell))));
    if (!answer)
        return;
    table[std::size_t(cell)] = answer->toStdString();
    panels_.showGridNames(names_);
    // The three tables are saved together, whichever changed.
    for (const FileResult& r : {names_.saveZoneNames(), names_.saveOutputNames(), names_.saveInputNames()})
        if (!r.ok) {
            dialogs_.fileError(window_, r);
            break;
        }
}

void NameCommands::renameMusicSource(int n)
{
    const auto answer = askName(panels_.music->sourceName(n));
    if (!answer)
        return;
    names_.music.at(std::size_t(n - 1)) = answer->toStdString();
    const FileResult saved = names_.saveMusicNames();
    if (saved.ok)
        (void)names_.loadMusicNames(); // read back as stored; on failure the names just saved stay
    else
        dialogs_.fileError(window_, saved);
    panels_.showMusicNames(names_);
}

} // namespace q7582
