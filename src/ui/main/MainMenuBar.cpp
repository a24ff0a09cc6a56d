#include "ui/main/MainMenuBar.h"

#include "app/InterfaceLanguage.h"
#include "model/ZoneMask.h"
#include "settings/SettingsFile.h"
#include "ui/common/DialogProvider.h"
#include "ui/main/ConfigCommands.h"
#include "ui/main/RecentFilesMenu.h"
#include "ui/main/TransferController.h"
#include "ui/reports/ReportCommands.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace q7582 {
namespace {

template <typename Context, typename Handler>
QAction* addItem(QMenu* menu, const QString& caption, const char* name, Context* context, Handler handler)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    QObject::connect(a, &QAction::triggered, context, handler);
    return a;
}

QMenu* addMenu(QMenuBar* bar, const QString& caption, const char* name)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MainMenuBar::MainMenuBar(QMenuBar* bar, Commands commands, QAction* help, SettingsFile& settings,
                         DialogProvider& dialogs, QWidget* window)
    : QObject(window), commands_(commands), settings_(settings), dialogs_(dialogs), window_(window)
{
    QMenu* message = addMenu(bar, tr("&Message"), "Message1");
    messageFolderAction_ = addOpenerItem(message, tr("&Open"), "Open2", openMessageCompiler_);
    QMenu* config = addMenu(bar, tr("&Config"), "Config1");
    buildConfigMenu(config);
    QMenu* report = addMenu(bar, tr("&Report"), "Report1");
    buildReportMenu(report);
    masterMenus_ = {message, config, report};
    buildHelpMenus(bar, help);

    // Not "&Exit": Alt+E opens "H&elp Language", and pressed twice it must not end the program.
    QAction* exit = bar->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &MainMenuBar::exitTriggered);
}

void MainMenuBar::buildConfigMenu(QMenu* config)
{
    editAction_ = addOpenerItem(config, tr("&Edit"), "Edit2", openConfigEditor_);
    TransferController* transfers = &commands_.transfers;
    ConfigCommands* files = &commands_.config;
    addItem(config, tr("&Upload"), "Edit1", transfers, &TransferController::startUpload);
    addItem(config, tr("&Download"), "Download1", transfers, &TransferController::startDownload);
    addItem(config, tr("&Save"), "Save1", files, &ConfigCommands::save);
    addItem(config, tr("&Compare..."), "Compare1", files, &ConfigCommands::compare);
    addItem(config, tr("Compare with De&fault"), "CompareDefault1", files, &ConfigCommands::compareWithDefault);
    addItem(config, tr("&Open"), "Open1", files, &ConfigCommands::open);
    historyAction_ = addOpenerItem(config, tr("&History..."), "History1", openHistory_);
    QMenu* defaults = config->addMenu(tr("&Load Default"));
    defaults->setObjectName(QStringLiteral("LoadDefault1"));
    for (int n = 0; n < ZoneSet::Masters; ++n) {
        QAction* a = defaults->addAction(tr("Master %1").arg(n));
        a->setObjectName(QStringLiteral("Master%1").arg(n));
        a->setData(n); // the item's tag
        connect(a, &QAction::triggered, files, [files, a] { files->loadDefault(a->data().toInt()); });
    }
    new RecentFilesMenu(config, *files);
}

void MainMenuBar::buildReportMenu(QMenu* report)
{
    addItem(report, tr("&Status"), "Status1", this, &MainMenuBar::statusReportTriggered);
    QMenu* configuration = report->addMenu(tr("&Configuration"));
    configuration->setObjectName(QStringLiteral("Configuration1"));
    ReportCommands* reports = &commands_.reports;
    const auto addReport = [&](const QString& caption, const char* name, void (ReportCommands::*run)()) {
        addItem(configuration, caption, name, this, [reports, run] { (reports->*run)(); });
    };
    addReport(tr("Connected &units"), "Connectedunits1", &ReportCommands::showDeskMicrophoneReport);
    addReport(tr("Connected &IO card"), "ConnectedIOcard1", &ReportCommands::showIoCardReport);
    addReport(tr("Configured &Timers"), "imers1", &ReportCommands::showTimerReport);
    timelineAction_ = addOpenerItem(report, tr("&Timeline..."), "Timeline1", openTimeline_);
}

void MainMenuBar::buildHelpMenus(QMenuBar* bar, QAction* help)
{
    QMenu* language = addMenu(bar, tr("H&elp Language"), "HelpLanguage1");
    italianHelp_ =
        addItem(language, QStringLiteral("&italiano"), "italiano1", this, [this] { chooseHelpLanguage(true); });
    italianHelp_->setCheckable(true);
    italianHelp_->setChecked(true);
    englishHelp_ =
        addItem(language, QStringLiteral("&english"), "english1", this, [this] { chooseHelpLanguage(false); });
    englishHelp_->setCheckable(true);

    buildLanguageMenu(bar);

    QMenu* helpMenu = addMenu(bar, tr("&Help"), "Help1");
    helpMenu->addAction(help);
    addItem(helpMenu, tr("&Info"), "Info1", this, &MainMenuBar::aboutTriggered);
}

// Named in both languages, so that it is found whichever is in force.
void MainMenuBar::buildLanguageMenu(QMenuBar* bar)
{
    QMenu* menu = addMenu(bar, QStringLiteral("&Language / Lingua"), "Language1");
    auto* group = new QActionGroup(menu);
    const LanguageChoice chosen = readLanguageChoice(languageFile());
    const struct {
        QString caption;
        const char* name;
        LanguageChoice choice;
    } items[] = {
        {tr("&Automatic (the desktop's language)"), "LanguageAutomatic1", LanguageChoice::Automatic},
        {QStringLiteral("&italiano"), "LanguageItalian1", LanguageChoice::Italian},
        {QStringLiteral("&english"), "LanguageEnglish1", LanguageChoice::English},
    };
    for (const auto& item : items) {
        const LanguageChoice choice = item.choice;
        QAction* a = addItem(menu, item.caption, item.name, this, [this, choice] { chooseLanguage(choice); });
        a->setCheckable(true);
        a->setChecked(choice == chosen);
        group->addAction(a);
    }
}

std::string MainMenuBar::languageFile() const { return languageFileIn(settings_.dir()); }

void MainMenuBar::chooseLanguage(LanguageChoice choice)
{
    const FileResult written = writeLanguageChoice(choice, languageFile());
    dialogs_.fileError(window_, written);
    if (written.ok && isItalian(choice) != interfaceIsItalian())
        dialogs_.message(window_, tr("Language"),
                         tr("The manager shows its windows in the new language from its next start."),
                         QMessageBox::Information);
}

QAction* MainMenuBar::addOpenerItem(QMenu* menu, const QString& caption, const char* name,
                                    const std::function<void()>& opener)
{
    QAction* a = addItem(menu, caption, name, this, [&opener] {
        if (opener)
            opener();
    });
    a->setEnabled(false);
    return a;
}

void MainMenuBar::setOpener(QAction* item, std::function<void()>& opener, std::function<void()> open)
{
    opener = std::move(open);
    item->setEnabled(bool(opener));
}

void MainMenuBar::setMessageCompilerOpener(std::function<void()> open)
{
    setOpener(messageFolderAction_, openMessageCompiler_, std::move(open));
}

void MainMenuBar::setConfigEditorOpener(std::function<void()> open)
{
    setOpener(editAction_, openConfigEditor_, std::move(open));
}

void MainMenuBar::setHistoryOpener(std::function<void()> open)
{
    setOpener(historyAction_, openHistory_, std::move(open));
}

void MainMenuBar::setTimelineOpener(std::function<void()> open)
{
    setOpener(timelineAction_, openTimeline_, std::move(open));
}

void MainMenuBar::enableMasterMenus(bool enabled)
{
    for (QMenu* m : masterMenus_)
        m->setEnabled(enabled);
}

void MainMenuBar::showHelpLanguage()
{
    const bool italian = settings_.helpLanguageItalian();
    italianHelp_->setChecked(italian);
    englishHelp_->setChecked(!italian);
}

void MainMenuBar::chooseHelpLanguage(bool italian)
{
    dialogs_.fileError(window_, settings_.chooseHelpLanguage(italian));
    showHelpLanguage();
}

} // namespace q7582
