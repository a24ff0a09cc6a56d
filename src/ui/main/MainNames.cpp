// TForm1: the PC-side names on the window, the help-language menu and help.

#include "ui/main/About.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Main.h"
#include "ui/main/MusicCombo.h"

#include <QAction>

namespace q7582 {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

void TForm1::loadSettingsAndNames()
{
    // A missing file is created from the values in force; no message at start-up.
    init_.loadSettings();
    ApplyHelpLanguage();
    names_.loadNames();
    showUnitNames();
    showGridNames();
    showMusicNames();
}

void TForm1::showUnitNames()
{
    for (int n = 1; n <= StatusBlock::Units; ++n)
        unitNames_[std::size_t(n - 1)]->setText(q(names_.unitCaption(n)));
}

void TForm1::showGridNames()
{
    for (int n = 0; n < GridCells; ++n) {
        zoneCellLabels_[std::size_t(n)]->setToolTip(q(names_.zones.at(std::size_t(n))));
        outCells_[std::size_t(n)]->setToolTip(q(names_.outputs.at(std::size_t(n))));
        inCells_[std::size_t(n)]->setToolTip(q(names_.inputs.at(std::size_t(n))));
    }
}

// Labels and selector always hold the five names in order; no item stays selected
// until the next refresh picks the master's source.
void TForm1::showMusicNames()
{
    cbMusicAtt_->clear();
    for (int n = 1; n <= StatusBlock::MusicSourceCount; ++n) {
        musicLabels_[std::size_t(n - 1)]->setText(q(names_.musicName(n)));
        cbMusicAtt_->addItem(q(names_.musicName(n)));
    }
    cbMusicAtt_->setCurrentIndex(-1);
}

std::optional<QString> TForm1::askName(const QString& current)
{
    for (;;) {
        const std::optional<QString> answer =
            dialogs_->getText(this, QStringLiteral("Edit box"), QStringLiteral("Max 20 Characters"), current);
        if (!answer || validNameAnswer(*answer))
            return answer;
    }
}

void TForm1::showFileError(const FileResult& r)
{
    if (!r.ok)
        dialogs_->warning(this, QStringLiteral("Errore"), q(r.error));
}

void TForm1::changeNameUnit(int n)
{
    std::string& name = names_.units.at(std::size_t(n - 1));
    QString current = q(name);
    while (!current.isEmpty() && current.back().isSpace())
        current.chop(1);
    const auto answer = askName(current);
    if (!answer)
        return;
    name = answer->toStdString();
    unitNames_[std::size_t(n - 1)]->setText(q(names_.unitCaption(n)));
    showFileError(names_.saveUnitNames());
}

void TForm1::changeNameZO(std::vector<std::string>& table, int cell)
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

void TForm1::MusicChange(int n)
{
    const auto answer = askName(musicLabels_[std::size_t(n - 1)]->text());
    if (!answer)
        return;
    names_.music.at(std::size_t(n - 1)) = answer->toStdString();
    const FileResult saved = names_.saveMusicNames();
    if (saved.ok)
        names_.loadMusicNames();
    else
        showFileError(saved);
    showMusicNames();
}

void TForm1::ApplyHelpLanguage()
{
    const bool italian = init_.helpLanguageItalian();
    italiano1_->setChecked(italian);
    english1_->setChecked(!italian);
}

void TForm1::chooseHelpLanguage(bool italian)
{
    showFileError(init_.chooseHelpLanguage(italian));
    ApplyHelpLanguage();
}

void TForm1::Help2Click() { help_.open(HelpContext::Contents); }

void TForm1::Info1Click()
{
    const bool connected = shared_.connectionState.load() == Connected;
    const StatusBlock sb = shared_.withStatus([](const StatusBlock& s) { return s; });
    const GeneratorStatus gen = shared_.withGenerator([](const GeneratorStatus& g) { return g; });
    TAboutBoxMain box(this);
    box.setFirmwareLine(firmwareLine(connected, generatorMode_, sb, gen));
    dialogs_->exec(box);
}

} // namespace q7582
