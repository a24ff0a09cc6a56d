// MainWindow: construction and wiring, the two window modes, the link's observer calls, closing.

#include "ui/main/MainWindow.h"

#include "history/ConfigFiles.h"
#include "link/LinkThread.h"
#include "sites/DownloadQuestion.h"
#include "sites/SiteFolder.h"
#include "ui/common/RecoveryFiles.h"
#include "ui/common/ScreenFit.h"
#include "ui/main/AboutBox.h"
#include "ui/main/CellGrid.h"
#include "ui/main/ConfigCommands.h"
#include "ui/main/DisabledLook.h"
#include "ui/main/GeneratorCommands.h"
#include "ui/main/GeneratorPage.h"
#include "ui/main/Icons.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LiveControls.h"
#include "ui/main/MainMenuBar.h"
#include "ui/main/NameCommands.h"
#include "ui/main/RecordCommand.h"
#include "ui/main/StatusBarPanel.h"
#include "ui/main/StatusRules.h"
#include "ui/main/TransferController.h"
#include "ui/main/TransferMessages.h"
#include "ui/main/WheelNeedsFocus.h"
#include "ui/main/ZoneGridPanel.h"
#include "ui/reports/ReportCommands.h"
#include "ui/reports/ReportViewer.h"
#include "ui/reports/WhereUsedMenu.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace q7582 {

namespace {

const QString DownloadTitle = QStringLiteral("Download");
const char* const HistoryFailureNotice = QT_TRANSLATE_NOOP("q7582::MainWindow", "Configuration history not written");

const char* const ReadFirstFailedNotice =
    QT_TRANSLATE_NOOP("q7582::MainWindow", "The master was not read: nothing was written to it");

} // namespace

MainWindow::MainWindow(LinkShared& shared, Workspace& workspace) : MainWindow(shared, workspace, Options{}) {}

MainWindow::MainWindow(LinkShared& shared, Workspace& workspace, Options options)
    : shared_(shared), ownDialogs_(options.dialogs ? nullptr : std::make_unique<QtDialogProvider>()),
      dialogs_(options.dialogs ? options.dialogs : ownDialogs_.get()),
      now_(options.now ? std::move(options.now) : &QDateTime::currentDateTime), workspace_(workspace),
      help_(
          [this] {
              const SettingsFile& settings = workspace_.settings();
              return HelpOpener::Language{QString::fromStdString(settings.helpFile()), settings.helpLanguageItalian()};
          },
          std::move(options.help), this),
      transferHistory_(workspace.history())
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Q7582 Manager"));
    setWindowIcon(icons::logo());
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    // Master and generator mode are its two pages, scrolled on a screen too small for them.
    modes_ = new QStackedWidget;
    modes_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(scrollingArea(modes_));
    buildPanels();
    WheelNeedsFocus::guardLiveControls(*modes_);
    statusBar_ = new StatusBarPanel(shared_, this);
    setStatusBar(statusBar_);
    buildCollaborators();
    connectCollaborators();
    fitToScreen({MasterWidth, MasterHeight});

    // A missing settings file is created from the values in force, an unreadable one
    // leaves them in force; no message at start-up.
    (void)workspace_.settings().loadSettings();
    menus_->showHelpLanguage();
    nameCommands_->loadNames();
    statusDisplayRefresh(); // the all-zero block: everything absent, clock "-"
    repaintStatusBar();
    showActivity();
    showKeptChanges();
    captionRefresh();
    prepareDisabledLookWhenIdle(*this); // for the first transfer's start
}

MainWindow::~MainWindow() { stopLink(); }

void MainWindow::connectCollaborators()
{
    connect(statusBar_, &StatusBarPanel::noticeChanged, this, &MainWindow::captionRefresh);
    connect(transfers_, &TransferController::started, this, &MainWindow::disableMainWindow);
    connect(transfers_, &TransferController::captionChanged, this, &MainWindow::captionRefresh);
    connect(configCommands_, &ConfigCommands::saved, this, &MainWindow::captionRefresh);
    connect(configCommands_, &ConfigCommands::compared, reportViewer_.get(), &ReportViewer::showReport);
    connect(configCommands_, &ConfigCommands::replaced, transfers_, &TransferController::configurationReplaced);
    connect(&workspace_, &Workspace::configurationChanged, transfers_, &TransferController::configurationReplaced);
    connect(configCommands_, &ConfigCommands::replaced, this, &MainWindow::dropKeptChangesNotice);
    connect(&workspace_, &Workspace::configurationChanged, this, &MainWindow::dropKeptChangesNotice);
    connect(menus_, &MainMenuBar::statusReportTriggered, this,
            [this] { reports_->showStatusReport(liveControls_->statusWindowValues()); });
    connect(menus_, &MainMenuBar::aboutTriggered, this,
            [this] { showAboutBox(*dialogs_, this, shared_, generatorMode_); });
    connect(menus_, &MainMenuBar::exitTriggered, this, &MainWindow::close);
    transfers_->setStartCheck([this](TransferKind kind) { return confirmTransferStart(kind); });
    const std::pair<CellGrid*, UsedKind> grids[] = {{&panels_.zones->grid(), UsedKind::Zone},
                                                    {&panels_.outputs->grid(), UsedKind::Output},
                                                    {&panels_.inputs->grid(), UsedKind::Input}};
    for (const auto& [grid, kind] : grids)
        connect(grid, &CellGrid::menuRequested, this,
                [this, kind = kind](int cell, int row, QPoint at) { offerWhereUsed(kind, cell, row, at); });
    configCommands_->setConnectedMaster([this] { return connectedMaster_.address(shared_); });
}

bool MainWindow::confirmTransferStart(TransferKind kind)
{
    const bool upload = kind == TransferKind::Upload;
    const std::optional<int> connected = connectedMaster_.address(shared_);
    if (!connected) {
        dialogs_->warning(this, upload ? QStringLiteral("Upload") : DownloadTitle,
                          tr("The connected master has not told its address yet. Try again in a moment."));
        return false;
    }
    return upload || confirmDownload(*connected);
}

bool MainWindow::confirmDownload(int connectedMaster)
{
    const QString site = siteNameOf(QDir(QString::fromStdString(workspace_.settings().dir())).absolutePath());
    for (;;) {
        const DownloadQuestion question =
            downloadQuestion({workspace_.config(), workspace_.provenance(), connectedMaster, site},
                             workspace_.history(), workspace_.names());
        QStringList buttons;
        for (const DownloadAnswer answer : question.answers)
            buttons << answerText(answer, question);
        const auto at = std::find(question.answers.begin(), question.answers.end(), question.defaultAnswer);
        const int chosen =
            dialogs_->choose(this, DownloadTitle, question.text, buttons, int(at - question.answers.begin()));
        const DownloadAnswer answer = chosen < 0 ? DownloadAnswer::No : question.answers[std::size_t(chosen)];
        switch (answer) {
        case DownloadAnswer::Download:
            return true;
        case DownloadAnswer::ShowDifferences:
            reportViewer_->showReport(question.differences.report);
            continue; // the box again, over the differences
        case DownloadAnswer::ReadMasterFirst:
            readingFirst_ = true;
            transfers_->startReadFirst();
            return false;
        case DownloadAnswer::No:
            return false;
        }
    }
}

void MainWindow::readFirstEnded(const TransferReport& report)
{
    readingFirst_ = false;
    if (report.end == TransferEnd::Completed)
        QTimer::singleShot(0, transfers_, &TransferController::startDownload);
    else // a failed one is also told in its box
        statusBar_->showNotice(tr(ReadFirstFailedNotice), true);
}

void MainWindow::offerWhereUsed(UsedKind kind, int cell, int row, QPoint globalPos)
{
    const std::optional<int> own = configurationMaster(workspace_.provenance());
    const int master = connectedMaster_.address(shared_).value_or(own.value_or(0));
    std::vector<UsedItem> items;
    if (row >= 0)
        for (int n = 1; n <= CellGrid::Columns; ++n)
            items.push_back({kind, master, CellGrid::Columns * row + n});
    else if (kind != UsedKind::Zone)
        items.push_back({kind, master, cell + 1});
    popUpWhereUsed(this, items, globalPos, [this, own](const UsedItem& item) {
        reportViewer_->showReport(whereUsed(workspace_.config(), item, workspace_.names(), own).report);
    });
}

void MainWindow::showKeptChanges()
{
    const QStringList kept = recoveryFiles(workspace_.settings().dir());
    if (kept.isEmpty())
        return;
    const QString path = QDir(QString::fromStdString(workspace_.settings().dir())).absoluteFilePath(kept.last());
    keptChangesNotice_ = tr("Editor changes kept in %1").arg(kept.last());
    statusBar_->showNotice(keptChangesNotice_, false,
                           tr("The editor was open with changes when the program was ended: "
                              "Config / Open loads them from %1")
                               .arg(path));
}

void MainWindow::dropKeptChangesNotice()
{
    if (!keptChangesNotice_.isEmpty() && statusBar_->notice() == keptChangesNotice_)
        statusBar_->clearNotice();
    keptChangesNotice_.clear();
}

int MainWindow::selectedMusicSource() const { return liveControls_->selectedMusicSource(); }

bool MainWindow::generatorModeEntered() const { return generatorCommands_->modeEnteredPending(); }

bool MainWindow::partialDownload() const { return transfers_->partialDownload(); }

void MainWindow::setMessageCompilerOpener(std::function<void()> open)
{
    menus_->setMessageCompilerOpener(std::move(open));
}

void MainWindow::setConfigEditorOpener(std::function<void()> open) { menus_->setConfigEditorOpener(std::move(open)); }

void MainWindow::openConfigurationFile(const QString& name) { configCommands_->openNamed(name); }

void MainWindow::setHistoryOpener(std::function<void()> open) { menus_->setHistoryOpener(std::move(open)); }

void MainWindow::setTimelineOpener(std::function<void()> open) { menus_->setTimelineOpener(std::move(open)); }

void MainWindow::setRecordingOpener(std::function<void(const QString&)> open)
{
    record_->setTimelineOpener(std::move(open));
}

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
    // A Download the link was stopped under is cut: the master holds part of it.
    (void)transferHistory_.downloadEnded(false, now_());
}

void MainWindow::enterGeneratorMode()
{
    menus_->enableMasterMenus(false);
    generatorMode_ = true;
    modes_->setCurrentWidget(generatorPage_);
    fitToScreen({GeneratorClientWidth, GeneratorClientHeight + barsHeight()});
    statusBar_->setCaptionWidth(120, 120); // the small window has no room to widen it
    captionRefresh();                      // and the window's title
    generatorCommands_->modeEntered();
}

void MainWindow::enterMasterMode()
{
    menus_->enableMasterMenus(true);
    generatorMode_ = false;
    modes_->setCurrentWidget(masterArea_);
    statusBar_->setCaptionWidth(300);
    fitToScreen({MasterWidth, MasterHeight});
    captionRefresh(); // and the window's title
}

int MainWindow::barsHeight() const { return menuBar()->sizeHint().height() + statusBar()->sizeHint().height(); }

// The window keeps its size, bars included, where the screen has room for it.
void MainWindow::fitToScreen(QSize windowSize)
{
    modes_->setMinimumSize(windowSize.width(), windowSize.height() - barsHeight());
    setFixedSize(fitWindow(windowSize, roomOnScreen(*this), scrollBarExtent(*this)).size);
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

void MainWindow::statusDisplayRefresh()
{
    liveControls_->refreshStatus();
    connectedMaster_.statusRefreshed(shared_);
}

void MainWindow::generatorPanelRefresh() { generatorCommands_->refresh(); }

void MainWindow::repaintStatusBar()
{
    connectedMaster_.connectionShown(shared_);
    statusBar_->showConnection();
    liveControls_->showConnection();
    statusBar_->showAccess();
}

void MainWindow::showActivity() { statusBar_->showActivity(); }

// Panel 3 shows a notice while there is one; the window's title carries the partial
// download mark too, so it stays in sight. The tool tip says where the configuration
// came from: the file's path, or the master and time of the Upload.
void MainWindow::captionRefresh()
{
    const QString mark = transfers_->partialDownload()
                             ? QCoreApplication::translate("TransferMessages", PartialDownloadMark)
                             : QString();
    const Provenance& provenance = workspace_.provenance();
    statusBar_->showCaption(configurationCaption(provenance, generatorMode_) + mark,
                            generatorMode_ ? QString() : configurationDescription(provenance));
    const QString product = generatorMode_ ? QStringLiteral("RKDV7582 Manager") : QStringLiteral("Q7582 Manager");
    setWindowTitle((siteName_.isEmpty() ? product : siteName_ + QStringLiteral(" - ") + product) + mark);
}

void MainWindow::setSiteName(const QString& name)
{
    siteName_ = name;
    statusBar_->showSite(name);
    captionRefresh();
}

bool MainWindow::closingWhenTransferEnds() const { return transfers_->closingWhenTransferEnds(); }

void MainWindow::copyConfigForDownload(ConfigImage& out)
{
    out = workspace_.config();
    transferHistory_.downloadStarting(out, shared_.withStatus([](const StatusBlock& s) { return s.masterAddress(); }));
}

void MainWindow::copyLegalFileImage(LegalFileImage& out) { out = workspace_.legalFile(); }

void MainWindow::uploadCompleted(const ConfigImage& received, Byte addressChime)
{
    if (readingFirst_) { // kept in the history only
        keptInHistory(transferHistory_.uploadCompleted(received, StatusBlock::masterAddressOf(addressChime), now_()));
        return;
    }
    workspace_.config() = received;
    applyUploadCompleted(workspace_.provenance(), addressChime, now_().toMSecsSinceEpoch());
    keptInHistory(transferHistory_.uploadCompleted(received, StatusBlock::masterAddressOf(addressChime), now_()));
    captionRefresh();
}

void MainWindow::downloadCompleted(Byte addressChime)
{
    applyDownloadCompleted(workspace_.provenance(), addressChime);
    keptInHistory(transferHistory_.downloadEnded(true, now_()));
}

void MainWindow::transferEnded(const TransferReport& report)
{
    if (report.kind == TransferKind::Download && report.end == TransferEnd::Failed)
        keptInHistory(transferHistory_.downloadEnded(false, now_()));
    transfers_->transferEnded(report);
    // A read-first Upload put nothing in memory: it is no Upload the window offers more about.
    const bool readFirst = readingFirst_;
    if (readFirst && report.kind == TransferKind::Upload && report.end != TransferEnd::Restarting)
        readFirstEnded(report);
    if (!historyFailure_.isEmpty())
        statusBar_->showNotice(tr(HistoryFailureNotice), true, std::exchange(historyFailure_, QString()));
    if (!readFirst && report.kind == TransferKind::Upload && report.end == TransferEnd::Completed)
        emit uploadFinished();
}

void MainWindow::keptInHistory(const std::optional<TransferHistory::Recorded>& recorded)
{
    if (recorded && recorded->tell)
        historyFailure_ = QString::fromStdString(recorded->write.result.error);
}

void MainWindow::requestClose(CloseSource source)
{
    if (source == CloseSource::Session)
        emit sessionEnding();
    if (transfers_->allowClose(source))
        close(); // allowed from now on
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!transfers_->allowClose(CloseSource::User)) {
        event->ignore();
        return;
    }
    stopLink(); // nothing is saved
    event->accept();
    emit closed();
}

} // namespace q7582
