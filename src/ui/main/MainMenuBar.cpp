#include "ui/main/MainMenuBar.h"

#include "model/ZoneMask.h"
#include "settings/SettingsFile.h"
#include "ui/common/DialogProvider.h"
#include "ui/main/ConfigCommands.h"
#include "ui/main/RecentFilesMenu.h"
#include "ui/main/TransferController.h"
#include "ui/reports/ReportCommands.h"

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
    QMenu* message = addMenu(bar, QStringLiteral("&Message"), "Message1");
    messageFolderAction_ = addOpenerItem(message, QStringLiteral("&Open"), "Open2", openMessageCompiler_);
    QMenu* config = addMenu(bar, QStringLiteral("&Config"), "Config1");
    buildConfigMenu(config);
    QMenu* report = addMenu(bar, QStringLiteral("&Report"), "Report1");
    buildReportMenu(report);
    masterMenus_ = {message, config, report};
    buildHelpMenus(bar, help);

    // Not "&Exit": Alt+E opens "H&elp Language", and pressed twice it must not end the program.
    QAction* exit = bar->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &MainMenuBar::exitTriggered);
}

void MainMenuBar::buildConfigMenu(QMenu* config)
{
    editAction_ = addOpenerItem(config, QStringLiteral("&Edit"), "Edit2", openConfigEditor_);
    TransferController* transfers = &commands_.transfers;
    ConfigCommands* files = &commands_.config;
    addItem(config, QStringLiteral("&Upload"), "Edit1", transfers, &TransferController::startUpload);
    addItem(config, QStringLiteral("&Download"), "Download1", transfers, &TransferController::startDownload);
    addItem(config, QStringLiteral("&Save"), "Save1", files, &ConfigCommands::save);
    addItem(config, QStringLiteral("&Compare..."), "Compare1", files, &ConfigCommands::compare);
    addItem(config, QStringLiteral("Compare with De&fault"), "CompareDefault1", files,
            &ConfigCommands::compareWithDefault);
    addItem(config, QStringLiteral("&Open"), "Open1", files, &ConfigCommands::open);
    historyAction_ = addOpenerItem(config, QStringLiteral("&History..."), "History1", openHistory_);
    QMenu* defaults = config->addMenu(QStringLiteral("&Load Default"));
    defaults->setObjectName(QStringLiteral("LoadDefault1"));
    for (int n = 0; n < ZoneSet::Masters; ++n) {
        QAction* a = defaults->addAction(QStringLiteral("Master %1").arg(n));
        a->setObjectName(QStringLiteral("Master%1").arg(n));
        a->setData(n); // the item's tag
        connect(a, &QAction::triggered, files, [files, a] { files->loadDefault(a->data().toInt()); });
    }
    new RecentFilesMenu(config, *files);
}

void MainMenuBar::buildReportMenu(QMenu* report)
{
    addItem(report, QStringLiteral("&Status"), "Status1", this, &MainMenuBar::statusReportTriggered);
    QMenu* configuration = report->addMenu(QStringLiteral("&Configuration"));
    configuration->setObjectName(QStringLiteral("Configuration1"));
    ReportCommands* reports = &commands_.reports;
    const auto addReport = [&](const QString& caption, const char* name, void (ReportCommands::*run)()) {
        addItem(configuration, caption, name, this, [reports, run] { (reports->*run)(); });
    };
    addReport(QStringLiteral("Connected &units"), "Connectedunits1", &ReportCommands::showDeskMicrophoneReport);
    addReport(QStringLiteral("Connected &IO card"), "ConnectedIOcard1", &ReportCommands::showIoCardReport);
    addReport(QStringLiteral("Configured &Timers"), "imers1", &ReportCommands::showTimerReport);
    timelineAction_ = addOpenerItem(report, QStringLiteral("&Timeline..."), "Timeline1", openTimeline_);
}

void MainMenuBar::buildHelpMenus(QMenuBar* bar, QAction* help)
{
    QMenu* language = addMenu(bar, QStringLiteral("H&elp Language"), "HelpLanguage1");
    italianHelp_ =
        addItem(language, QStringLiteral("&italiano"), "italiano1", this, [this] { chooseHelpLanguage(true); });
    italianHelp_->setCheckable(true);
    italianHelp_->setChecked(true);
    englishHelp_ =
        addItem(language, QStringLiteral("&english"), "english1", this, [this] { chooseHelpLanguage(false); });
    englishHelp_->setCheckable(true);

    QMenu* helpMenu = addMenu(bar, QStringLiteral("&Help"), "Help1");
    helpMenu->addAction(help);
    addItem(helpMenu, QStringLiteral("&Info"), "Info1", this, &MainMenuBar::aboutTriggered);
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
