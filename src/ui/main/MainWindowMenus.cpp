// MainWindow: the menu bar in its order (Message, Config, Report, the two help menus, Exit)
// and the report commands it starts.

#include "reports/ReportCommands.h"
#include "reports/ReportViewer.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

namespace q7582 {

QAction* MainWindow::addItem(QMenu* menu, const QString& caption, const char* name, void (MainWindow::*handler)())
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void MainWindow::buildMenus()
{
    reportViewer_ = std::make_unique<ReportViewer>(*dialogs_);
    reports_ = std::make_unique<ReportCommands>(shared_, workspace_, *reportViewer_, *dialogs_, this,
                                                [this] { return now(); });

    QMenuBar* bar = menuBar();
    QMenu* message = bar->addMenu(QStringLiteral("&Message"));
    message->setObjectName(QStringLiteral("Message1"));
    messageFolderAction_ = addItem(message, QStringLiteral("&Open"), "Open2", &MainWindow::openMessageFolder);
    messageFolderAction_->setEnabled(false);

    QMenu* config = bar->addMenu(QStringLiteral("&Config"));
    config->setObjectName(QStringLiteral("Config1"));
    editAction_ = addItem(config, QStringLiteral("&Edit"), "Edit2", &MainWindow::editConfiguration);
    editAction_->setEnabled(false);
    addItem(config, QStringLiteral("&Upload"), "Edit1", &MainWindow::uploadConfiguration);
    addItem(config, QStringLiteral("&Download"), "Download1", &MainWindow::downloadConfiguration);
    addItem(config, QStringLiteral("&Save"), "Save1", &MainWindow::saveConfiguration);
    addItem(config, QStringLiteral("&Open"), "Open1", &MainWindow::openConfiguration);
    QMenu* defaults = config->addMenu(QStringLiteral("&Load Default"));
    defaults->setObjectName(QStringLiteral("LoadDefault1"));
    for (int n = 0; n < ZoneSet::Masters; ++n) {
        QAction* a = defaults->addAction(QStringLiteral("Master %1").arg(n));
        a->setObjectName(QStringLiteral("Master%1").arg(n));
        a->setData(n); // the item's tag
        connect(a, &QAction::triggered, this, [this, a] { loadDefaultConfiguration(a->data().toInt()); });
    }

    QMenu* report = bar->addMenu(QStringLiteral("&Report"));
    report->setObjectName(QStringLiteral("Report1"));
    QAction* status = report->addAction(QStringLiteral("&Status"));
    status->setObjectName(QStringLiteral("Status1"));
    connect(status, &QAction::triggered, this, [this] { reports_->showStatusReport(statusWindowValues()); });
    QMenu* configuration = report->addMenu(QStringLiteral("&Configuration"));
    configuration->setObjectName(QStringLiteral("Configuration1"));
    const auto addReport = [&](const QString& caption, const char* name, void (ReportCommands::*run)()) {
        QAction* a = configuration->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, run] { (reports_.get()->*run)(); });
    };
    addReport(QStringLiteral("Connected &units"), "Connectedunits1", &ReportCommands::showDeskMicrophoneReport);
    addReport(QStringLiteral("Connected &IO card"), "ConnectedIOcard1", &ReportCommands::showIoCardReport);
    addReport(QStringLiteral("Configured &Timers"), "imers1", &ReportCommands::showTimerReport);
    masterOnlyMenus_ = {message, config, report};

    helpLanguageMenu_ = bar->addMenu(QStringLiteral("H&elp Language"));
    helpLanguageMenu_->setObjectName(QStringLiteral("HelpLanguage1"));
    italianHelp_ = helpLanguageMenu_->addAction(QStringLiteral("&italiano"));
    italianHelp_->setObjectName(QStringLiteral("italiano1"));
    italianHelp_->setCheckable(true);
    italianHelp_->setChecked(true);
    englishHelp_ = helpLanguageMenu_->addAction(QStringLiteral("&english"));
    englishHelp_->setObjectName(QStringLiteral("english1"));
    englishHelp_->setCheckable(true);
    connect(italianHelp_, &QAction::triggered, this, [this] { chooseHelpLanguage(true); });
    connect(englishHelp_, &QAction::triggered, this, [this] { chooseHelpLanguage(false); });

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    helpContents_ = addItem(help, QStringLiteral("&Help"), "Help2", &MainWindow::showHelpContents);
    helpContents_->setShortcut(QKeySequence(Qt::Key_F1));
    addItem(help, QStringLiteral("&Info"), "Info1", &MainWindow::showAbout);

    // Not "&Exit": Alt+E opens "H&elp Language", and pressed twice it must not end the program.
    QAction* exit = bar->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &MainWindow::exitProgram);
}

void MainWindow::setMessageCompilerOpener(std::function<void()> open)
{
    openMessageCompiler_ = std::move(open);
    messageFolderAction_->setEnabled(bool(openMessageCompiler_));
}

void MainWindow::setConfigEditorOpener(std::function<void()> open)
{
    openConfigEditor_ = std::move(open);
    editAction_->setEnabled(bool(openConfigEditor_));
}

void MainWindow::exitProgram() { close(); }

StatusWindowValues MainWindow::statusWindowValues() const
{
    StatusWindowValues v;
    const auto position = [this](int slider) { return levelSliders_[std::size_t(slider)]->value(); };
    v.speechLevelPosition = position(LiveSpeechLevel);
    v.musicLevelPosition = position(LiveMusicLevel);
    for (int i = 0; i < StatusBlock::SpeechInputCount; ++i)
        v.speechInputPositions[std::size_t(i)] = position(2 + i);
    for (int i = 0; i < StatusBlock::MusicSourceCount; ++i)
        v.musicSourcePositions[std::size_t(i)] = position(7 + i);
    v.voxThresholdPositions = {position(12), position(13)};
    v.musicSourceSelected = musicSelectionPanel_->sourceText();
    v.musicOnRemote = musicSelectionPanel_->musicOnRemote();
    v.masterAddressText = masterPanel_->addressText();
    v.chimeOn = masterPanel_->chimeOn();
    return v;
}

} // namespace q7582
