// MainWindow: the PC-side names on the window, the help-language menu and help.

#include "ui/common/AskUntilValid.h"
#include "ui/main/AboutBox.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

#include <QAction>

namespace q7582 {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void MainWindow::loadSettingsAndNames()
{
    // A missing file is created from the values in force; no message at start-up.
    (void)settings_.loadSettings(); // an unreadable file leaves the defaults in force
    applyHelpLanguage();
    (void)names_.loadNames(); // likewise the default names
    showUnitNames();
    showGridNames();
    showMusicNames();
}

void MainWindow::showUnitNames() { unitsPanel_->showNames(names_); }

void MainWindow::showGridNames()
{
    zonePanel_->showNames(names_.zones);
    outputPanel_->showNames(names_.outputs);
    inputPanel_->showNames(names_.inputs);
}

// Labels and selector always hold the five names in order; no item stays selected
// until the next refresh picks the master's source.
void MainWindow::showMusicNames()
{
    musicPanel_->showNames(names_);
    musicSelectionPanel_->showNames(names_);
}

std::optional<QString> MainWindow::askName(const QString& current)
{
    return askUntilValid(
        *dialogs_, this, QStringLiteral("Edit box"), QStringLiteral("Max 20 Characters"), current,
        [](const QString& answer) { return validNameAnswer(answer) ? std::optional(answer) : std::nullopt; });
}

void MainWindow::showFileError(const FileResult& r)
{
    if (!r.ok)
        dialogs_->error(this, q(r.error));
}

void MainWindow::renameUnit(int n)
{
    std::string& name = names_.units.at(std::size_t(n - 1));
    QString current = q(name);
    while (!current.isEmpty() && current.back().isSpace())
        current.chop(1);
    const auto answer = askName(current);
    if (!answer)
        return;
    name = answer->toStdString();
    showUnitNames();
    showFileError(names_.saveUnitNames());
}

void MainWindow::renameGridCell(std::vector<std::string>& table, int cell)
{
    const auto answer = askName(q(table.at(std::size_t(cell))));
    if (!answer)
        return;
    table[std::size_t(cell)] = answer->toStdString();
    showGridNames();
    // The three tables are saved together, whichever changed.
    for (const FileResult& r : {names_.saveZoneNames(), names_.saveOutputNames(), names_.saveInputNames()})
        if (!r.ok) {
            showFileError(r);
            break;
        }
}

void MainWindow::renameMusicSource(int n)
{
    const auto answer = askName(musicPanel_->sourceName(n));
    if (!answer)
        return;
    names_.music.at(std::size_t(n - 1)) = answer->toStdString();
    const FileResult saved = names_.saveMusicNames();
    if (saved.ok)
        (void)names_.loadMusicNames(); // read back as stored; on failure the names just saved stay
    else
        showFileError(saved);
    showMusicNames();
}

void MainWindow::applyHelpLanguage()
{
    const bool italian = settings_.helpLanguageItalian();
    italianHelp_->setChecked(italian);
    englishHelp_->setChecked(!italian);
}

void MainWindow::chooseHelpLanguage(bool italian)
{
    showFileError(settings_.chooseHelpLanguage(italian));
    applyHelpLanguage();
}

void MainWindow::showHelpContents() { help_.open(HelpContext::Contents); }

void MainWindow::showAbout()
{
    const bool connected = shared_.connectionState.load() == Connected;
    const StatusBlock sb = shared_.withStatus([](const StatusBlock& s) { return s; });
    const GeneratorStatus gen = shared_.withGenerator([](const GeneratorStatus& g) { return g; });
    AboutBox box(this);
    box.setFirmwareLine(firmwareLine(connected, generatorMode_, sb, gen));
    dialogs_->exec(box);
}

} // namespace q7582
