// MainWindow: construction, the two window modes, the link's observer calls, closing.

#include "ui/main/MainWindow.h"

#include "link/LinkThread.h"
#include "reports/ReportCommands.h"
#include "reports/ReportViewer.h"
#include "ui/main/GeneratorPage.h"
#include "ui/main/Icons.h"
#include "ui/main/StatusBarPanel.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>

namespace q7582 {

MainWindow::MainWindow(LinkShared& shared, Workspace& workspace) : MainWindow(shared, workspace, Options{}) {}

MainWindow::MainWindow(LinkShared& shared, Workspace& workspace, Options options)
    : shared_(shared), ownDialogs_(options.dialogs ? nullptr : std::make_unique<QtDialogProvider>()),
      dialogs_(options.dialogs ? options.dialogs : ownDialogs_.get()), now_(std::move(options.now)),
      workspace_(workspace), settings_(workspace.settings()), names_(workspace.names()),
      help_([this] { return QString::fromStdString(settings_.helpFile()); }, std::move(options.help), this),
      config_(workspace.config()), provenance_(workspace.provenance()), legalFile_(workspace.legalFile()),
      startDirectory_(QDir::currentPath())
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Q7582 Manager"));
    setWindowIcon(icons::logo());
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    // Master and generator mode are its two pages.
    modes_ = new QStackedWidget(this);
    modes_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(modes_);
    buildMenus();
    buildPanels();
    statusBar_ = new StatusBarPanel(shared_, this);
    setStatusBar(statusBar_);
    connect(statusBar_, &StatusBarPanel::cancelClicked, this, &MainWindow::cancelTransfer);
    connect(statusBar_, &StatusBarPanel::noticeChanged, this, &MainWindow::captionRefresh);
    connectControls();
    setFixedSize(MasterWidth, MasterHeight);

    loadSettingsAndNames();
    statusDisplayRefresh(); // the all-zero block: everything absent, clock "-"
    repaintStatusBar();
    showActivity();
    closing_ = new ClosingGuard(shared_, closingHooks(), this);
    connect(&workspace, &Workspace::configurationChanged, this, &MainWindow::configurationReplaced);
    captionRefresh();
    helpContext_ = HelpContext::MainWindow;
}

MainWindow::~MainWindow() { stopLink(); }

void MainWindow::startLink(std::unique_ptr<Chip> chip, double pacing)
{
    stopLink();
    link_ = std::make_unique<LinkThread>(shared_, *this, std::move(chip), nullptr, pacing);
    link_->startLink();
}

void MainWindow::stopLink()
{
    if (!link_)
        return;
    link_->shutdown();
    link_.reset();
}

void MainWindow::enterGeneratorMode()
{
    for (QMenu* m : masterOnlyMenus_)
        m->setEnabled(false);
    generatorMode_ = true;
    modes_->setCurrentWidget(generatorPage_);
    const int extra = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    setFixedSize(GeneratorClientWidth, GeneratorClientHeight + extra);
    statusBar_->setCaptionWidth(120);
    captionRefresh(); // and the window's title
    generatorModeEntered_ = true;
    helpContext_ = HelpContext::GeneratorPanel;
}

void MainWindow::enterMasterMode()
{
    for (QMenu* m : masterOnlyMenus_)
        m->setEnabled(true);
    generatorMode_ = false;
    modes_->setCurrentWidget(masterArea_);
    statusBar_->setCaptionWidth(300);
    setFixedSize(MasterWidth, MasterHeight);
    captionRefresh(); // and the window's title
    helpContext_ = HelpContext::MainWindow;
}

// During a transfer everything but the status bar is disabled: its Cancel button and
// Esc stay usable.
void MainWindow::enableMainWindow()
{
    centralWidget()->setEnabled(true);
    menuBar()->setEnabled(true);
}

void MainWindow::disableMainWindow()
{
    centralWidget()->setEnabled(false);
    menuBar()->setEnabled(false);
}

void MainWindow::copyConfigForDownload(ConfigImage& out) { out = config_; }

void MainWindow::copyLegalFileImage(LegalFileImage& out) { out = legalFile_; }

void MainWindow::uploadCompleted(const ConfigImage& received, Byte addressChime)
{
    config_ = received;
    applyUploadCompleted(provenance_, addressChime);
    captionRefresh();
}

void MainWindow::downloadCompleted(Byte addressChime) { applyDownloadCompleted(provenance_, addressChime); }

} // namespace q7582
