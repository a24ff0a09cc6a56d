// MainWindow: the panels and the collaborators, built once at construction.

#include "ui/common/WindowHelp.h"
#include "ui/main/ActiveSourcePanel.h"
#include "ui/main/ConfigCommands.h"
#include "ui/main/FileDrop.h"
#include "ui/main/GeneratorCommands.h"
#include "ui/main/GeneratorPage.h"
#include "ui/main/GroupsPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/LiveControls.h"
#include "ui/main/MainMenuBar.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/NameCommands.h"
#include "ui/main/RecordCommand.h"
#include "ui/main/StatusBarPanel.h"
#include "ui/main/TransferController.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"
#include "ui/reports/ReportCommands.h"
#include "ui/reports/ReportViewer.h"

#include <QMenuBar>
#include <QStackedWidget>

namespace q7582 {

void MainWindow::buildPanels()
{
    masterArea_ = new QWidget(modes_);
    masterArea_->setObjectName(QStringLiteral("MasterArea"));
    panels_ = buildMasterPagePanels(masterArea_);
    generatorPage_ = new GeneratorPage(QSize(GeneratorClientWidth, GeneratorClientHeight), modes_);
    modes_->addWidget(masterArea_);
    modes_->addWidget(generatorPage_);
}

void MainWindow::buildCollaborators()
{
    // F1 opens the contents, and in generator mode the one topic that window has.
    windowHelp_ = new WindowHelp(
        *this, "Help2", [this] { return generatorMode_ ? HelpContext::GeneratorPanel : HelpContext::Contents; },
        [this](int context) { help_.open(context); });
    // Leaving a help button takes the focus off the sliders.
    windowHelp_->connectButtons(panels_.vox->focusPark());
    liveControls_ = new LiveControls(shared_, pending_, panels_, *dialogs_, now_, this);
    generatorCommands_ = new GeneratorCommands(shared_, pending_, workspace_.legalFile(), now_, *generatorPage_);
    nameCommands_ = new NameCommands(workspace_.names(), panels_, *dialogs_, this);
    configCommands_ = new ConfigCommands(workspace_, *dialogs_, this);
    transfers_ = new TransferController(
        shared_, *statusBar_, *dialogs_, workspace_.provenance(), [this] { return generatorMode_; }, this);
    reportViewer_ = std::make_unique<ReportViewer>(*dialogs_);
    reports_ = std::make_unique<ReportCommands>(shared_, workspace_, *reportViewer_, *dialogs_, this, now_);
    menus_ = new MainMenuBar(menuBar(), {*configCommands_, *transfers_, *reports_}, windowHelp_->keyAction(),
                             workspace_.settings(), *dialogs_, this);
    record_ = new RecordCommand(shared_, workspace_.names(), this);
    new FileDrop(
        this, [this] { return !generatorMode_; },
        [this](const QList<QUrl>& urls) { configCommands_->openDropped(urls); });
}

} // namespace q7582
