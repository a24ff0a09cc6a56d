// TForm1: construction, the two window modes, the link's observer calls, closing.

#include "ui/main/Main.h"

#include "link/Usb.h"
#include "reports/ReportViewer.h"
#include "reports/ReportCommands.h"
#include "ui/main/Icons.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace q7582 {

TForm1::TForm1(LinkShared& shared) : TForm1(shared, Options{}) {}

TForm1::TForm1(LinkShared& shared, Options options)
    : shared_(shared),
      ownDialogs_(options.dialogs ? nullptr : std::make_unique<QtDialogProvider>()),
      dialogs_(options.dialogs ? options.dialogs : ownDialogs_.get()),
      now_(std::move(options.now)),
      init_(options.dir),
      names_(options.dir),
      help_([this] { return QString::fromStdString(init_.helpFile()); }, std::move(options.help), this),
      startDirectory_(QDir::currentPath())
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Q7582 Manager"));
    setWindowIcon(icons::logo());
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(central);
    central->installEventFilter(this);
    buildMenus();
    buildPanels(central);
    buildStatusBar();
    connectControls();
    setFixedSize(MasterWidth, MasterHeight);

    loadSettingsAndNames();
    statusDisplayRefresh(); // the all-zero block: everything absent, clock "-"
    repaintStatusBar();
    showActivity();
    closing_ = new ClosingGuard(shared_, closingHooks(), this);
    captionRefresh();
    helpContext_ = HelpContext::MainWindow;
}

TForm1::~TForm1() { stopLink(); }

void TForm1::startLink(std::unique_ptr<Chip> chip, double pacing)
{
    stopLink();
    link_ = std::make_unique<TThreadUsb>(shared_, *this, std::move(chip), nullptr, pacing);
    link_->startLink();
}

void TForm1::stopLink()
{
    if (!link_)
        return;
    link_->shutdown();
    link_.reset();
}

void TForm1::enterGeneratorMode()
{
    for (QMenu* m : masterOnlyMenus_)
        m->setEnabled(false);
    generatorMode_ = true;
    masterArea_->hide();
    panelMG_->show();
    panelMG_->raise();
    const int extra = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    setFixedSize(GeneratorClientWidth, GeneratorClientHeight + extra);
    panelMG_->setGeometry(centralWidget()->rect());
    captionText_->setFixedWidth(120);
    captionRefresh(); // and the window's title
    generatorModeEntered_ = true;
    helpContext_ = HelpContext::GeneratorPanel;
}

void TForm1::enterMasterMode()
{
    for (QMenu* m : masterOnlyMenus_)
        m->setEnabled(true);
    generatorMode_ = false;
    panelMG_->hide();
    panelMG_->lower();
    masterArea_->show();
    captionText_->setFixedWidth(300);
    setFixedSize(MasterWidth, MasterHeight);
    captionRefresh(); // and the window's title
    helpContext_ = HelpContext::MainWindow;
}

// During a transfer everything but the status bar is disabled: its Cancel button and
// Esc stay usable.
void TForm1::enableMainWindow()
{
    centralWidget()->setEnabled(true);
    menuBar()->setEnabled(true);
}

void TForm1::disableMainWindow()
{
    centralWidget()->setEnabled(false);
    menuBar()->setEnabled(false);
}

void TForm1::copyConfigForDownload(ConfigImage& out) { out = config_; }

void TForm1::copyLegalFileImage(LegalFileImage& out) { out = legalFile_; }

void TForm1::uploadCompleted(const ConfigImage& received, Byte addressChime)
{
    config_ = received;
    applyUploadCompleted(provenance_, addressChime);
    captionRefresh();
}

void TForm1::downloadCompleted(Byte addressChime) { applyDownloadCompleted(provenance_, addressChime); }

} // namespace q7582
