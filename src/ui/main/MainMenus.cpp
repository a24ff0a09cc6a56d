// TForm1: the menu bar in its order (Message, Config, Report, the two help menus, Exit)
// and the report commands it starts.

#include "reports/ReportViewer.h"
#include "reports/ReportCommands.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Main.h"
#include "ui/main/MusicCombo.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

namespace q7582 {

QAction* TForm1::addItem(QMenu* menu, const QString& caption, const char* name, void (TForm1::*handler)())
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void TForm1::buildMenus()
{
    form3_ = std::make_unique<ReportViewer>();
    reports_ = std::make_unique<ReportCommands>(
        shared_, provenance_, config_, names_, *form3_,
        [this](const QString& title, const QString& text) { dialogs_->warning(this, title, text); },
        [this] { return now(); });

    QMenuBar* bar = menuBar();
    QMenu* message = bar->addMenu(QStringLiteral("&Message"));
    message->setObjectName(QStringLiteral("Message1"));
    open2_ = addItem(message, QStringLiteral("&Open"), "Open2", &TForm1::Open2Click);
    open2_->setEnabled(false);

    QMenu* config = bar->addMenu(QStringLiteral("&Config"));
    config->setObjectName(QStringLiteral("Config1"));
    edit2_ = addItem(config, QStringLiteral("&Edit"), "Edit2", &TForm1::Edit2Click);
    edit2_->setEnabled(false);
    addItem(config, QStringLiteral("&Upload"), "Edit1", &TForm1::Edit1Click);
    addItem(config, QStringLiteral("&Download"), "Download1", &TForm1::Download1Click);
    addItem(config, QStringLiteral("&Save"), "Save1", &TForm1::Save1Click);
    addItem(config, QStringLiteral("&Open"), "Open1", &TForm1::Open1Click);
    QMenu* defaults = config->addMenu(QStringLiteral("&Load Default"));
    defaults->setObjectName(QStringLiteral("LoadDefault1"));
    for (int n = 0; n < ZoneSet::Masters; ++n) {
        QAction* a = defaults->addAction(QStringLiteral("Master %1").arg(n));
        a->setObjectName(QStringLiteral("Master%1").arg(n));
        a->setData(n); // the item's tag
        connect(a, &QAction::triggered, this, [this, a] { Master01Click(a->data().toInt()); });
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
    italiano1_ = helpLanguageMenu_->addAction(QStringLiteral("&italiano"));
    italiano1_->setObjectName(QStringLiteral("italiano1"));
    italiano1_->setCheckable(true);
    italiano1_->setChecked(true);
    english1_ = helpLanguageMenu_->addAction(QStringLiteral("&english"));
    english1_->setObjectName(QStringLiteral("english1"));
    english1_->setCheckable(true);
    connect(italiano1_, &QAction::triggered, this, [this] { chooseHelpLanguage(true); });
    connect(english1_, &QAction::triggered, this, [this] { chooseHelpLanguage(false); });

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    help2_ = addItem(help, QStringLiteral("&Help"), "Help2", &TForm1::Help2Click);
    help2_->setShortcut(QKeySequence(Qt::Key_F1));
    addItem(help, QStringLiteral("&Info"), "Info1", &TForm1::Info1Click);

    // Not "&Exit": Alt+E opens "H&elp Language", and pressed twice it must not end the program.
    QAction* exit = bar->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &TForm1::Exit1Click);
}

void TForm1::setMessageCompilerOpener(std::function<void()> open)
{
    openMessageCompiler_ = std::move(open);
    open2_->setEnabled(bool(openMessageCompiler_));
}

void TForm1::setConfigEditorOpener(std::function<void()> open)
{
    openConfigEditor_ = std::move(open);
    edit2_->setEnabled(bool(openConfigEditor_));
}

void TForm1::Exit1Click() { close(); }

StatusWindowValues TForm1::statusWindowValues() const
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
    v.musicSourceSelected = cbMusicAtt_->currentText();
    v.musicOnRemote = spMoR_->isChecked();
    v.masterAddressText = stAddr_->text();
    v.chimeOn = spChime_->isChecked();
    return v;
}

} // namespace q7582
