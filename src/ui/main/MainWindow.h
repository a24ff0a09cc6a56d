#pragma once
// MainWindow, the main window: live status of the connected master or generator, its live
// controls, the PC-side names, help, and the status bar. Listens to the link as its
// observer. It builds the window (MainWindowBuild.cpp), owns the collaborators that do
// the work (LiveControls, GeneratorCommands, NameCommands, ConfigCommands,
// TransferController, MainMenuBar) and wires them (MainWindow.cpp).

#include "history/TransferHistory.h"
#include "link/Chip.h"
#include "link/ConnectedMaster.h"
#include "link/LinkObserver.h"
#include "link/LinkShared.h"
#include "reports/WhereUsed.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/HelpContexts.h"
#include "ui/common/Workspace.h"
#include "ui/help/HelpOpener.h"
#include "ui/main/ClosingGuard.h"
#include "ui/main/MasterPagePanels.h"
#include "ui/main/PendingChanges.h"

#include <QDateTime>
#include <QMainWindow>
#include <functional>
#include <memory>

class QStackedWidget;

namespace q7582 {

class ConfigCommands;
class GeneratorCommands;
class GeneratorPage;
class LinkThread;
class LiveControls;
class MainMenuBar;
class NameCommands;
class RecordCommand;
class ReportCommands;
class ReportViewer;
class StatusBarPanel;
class TransferController;
class WindowHelp;

class MainWindow : public QMainWindow, public LinkObserver {
    Q_OBJECT
public:
    struct Options {
        DialogProvider* dialogs = nullptr; // null: the real dialogs
        HelpOpener::Platform help = HelpOpener::systemPlatform();
        std::function<QDateTime()> now; // null: the PC clock
    };

    static constexpr int MasterWidth = 850, MasterHeight = 655;
    static constexpr int GeneratorClientWidth = 500, GeneratorClientHeight = 350;

    // workspace: the configuration, settings, names and summer-time table it shows and changes.
    MainWindow(LinkShared& shared, Workspace& workspace);
    MainWindow(LinkShared& shared, Workspace& workspace, Options options);
    ~MainWindow() override;

    // The live changes waiting for the next status write.
    PendingChangeTable& pendingChanges() { return pending_; }
    LinkShared& shared() { return shared_; }
    HelpOpener& helpOpener() { return help_; }
    DialogProvider& dialogs() { return *dialogs_; }
    int selectedMusicSource() const;
    bool generatorMode() const { return generatorMode_; }
    bool generatorModeEntered() const;
    // The master holds a partial configuration since a Download failed.
    bool partialDownload() const;
    // The connected master's address, once read since it was found.
    std::optional<int> connectedMasterAddress() { return connectedMaster_.address(shared_); }

    // Creates the worker on the chip and opens the device (or starts reconnecting).
    // pacing scales the link's sleeps (tests run it faster than the device).
    void startLink(std::unique_ptr<Chip> chip, double pacing = 1.0);
    // Stops the worker whatever it is doing; safe to call twice.
    void stopLink();

    // A request to close from outside the window (a termination signal, the session's
    // end); the close button, Alt+F4 and "Exit" come through closeEvent. Either way a
    // running transfer finishes first.
    void requestClose(CloseSource source);

    // Hooks of the windows built elsewhere: "&Message"/"&Open" shows the message folder
    // compiler, "&Config"/"&Edit" the configuration editor, each modally.
    void setMessageCompilerOpener(std::function<void()> open);
    void setConfigEditorOpener(std::function<void()> open);
    // "&Config"/"&History..." shows the history window, modally.
    void setHistoryOpener(std::function<void()> open);
    // "&Report"/"&Timeline..." asks for a recording and shows its timeline.
    void setTimelineOpener(std::function<void()> open);
    // A click on the recording's text in the status bar shows that recording's timeline.
    void setRecordingOpener(std::function<void(const QString&)> open);
    ReportViewer& reportViewer() { return *reportViewer_; }
    // A .cfi file named on the command line (or dropped), opened as "&Config"/"&Open" opens it.
    void openConfigurationFile(const QString& name);
    // The open site's name, in the title ("<site> - Q7582 Manager") and the status bar.
    void setSiteName(const QString& name);
    // A close was asked during a transfer: the window closes when it ends.
    bool closingWhenTransferEnds() const;

    // LinkObserver: each runs on the main thread.
    void repaintStatusBar() override;
    void showActivity() override;
    void statusDisplayRefresh() override;
    void generatorPanelRefresh() override;
    void enableMainWindow() override;
    void disableMainWindow() override;
    void captionRefresh() override;
    void enterGeneratorMode() override;
    void enterMasterMode() override;
    void copyConfigForDownload(ConfigImage& out) override;
    void copyLegalFileImage(LegalFileImage& out) override;
    void uploadCompleted(const ConfigImage& received, Byte addressChime) override;
    void downloadCompleted(Byte addressChime) override;
    void transferEnded(const TransferReport& report) override;

signals:
    // The program is asked to end with nobody there to answer: the windows over this
    // one keep their work and close without asking.
    void sessionEnding();
    // The window closed for good: the program ends, whatever other window is open.
    void closed();
    // An Upload has completed and its transfer ended: the configuration in memory is the one read.
    void uploadFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // MainWindowBuild.cpp
    void buildPanels();
    void buildCollaborators();

    // MainWindow.cpp
    void connectCollaborators();
    // Names the editor's changes kept when the program last ended without asking,
    // until the configuration in memory is replaced.
    void showKeptChanges();
    void dropKeptChangesNotice();
    int barsHeight() const;
    void fitToScreen(QSize windowSize);
    // A transfer waits for the master's address (the Upload names it, the Download checks
    // it); a Download of a configuration known to be another master's goes on only when
    // the user says so.
    bool confirmTransferStart(TransferKind kind);
    // The Download's one box, asked again after its differences were shown.
    bool confirmDownload(int connectedMaster);
    // The read-first Upload ended: a completed one asks the Download's question again.
    void readFirstEnded(const TransferReport& report);
    // "Where used" from the zone, output and input boxes: a row caption offers its six
    // items, an output's or input's cell its own; a zone's cell keeps its right click
    // for the music.
    void offerWhereUsed(UsedKind kind, int cell, int row, QPoint globalPos);
    // A history write that failed is told after the transfer's own notice.
    void keptInHistory(const std::optional<TransferHistory::Recorded>& recorded);

    LinkShared& shared_;
    std::unique_ptr<DialogProvider> ownDialogs_;
    DialogProvider* dialogs_;
    std::function<QDateTime()> now_; // never null
    Workspace& workspace_;
    HelpOpener help_;
    std::unique_ptr<LinkThread> link_;
    TransferHistory transferHistory_;
    ConnectedMaster connectedMaster_;
    QString historyFailure_;    // to tell when the transfer has ended
    bool readingFirst_ = false; // the Upload running is the Download's read-first

    PendingChangeTable pending_{};
    bool generatorMode_ = false;
    QString keptChangesNotice_;
    QString siteName_;

    QStackedWidget* modes_ = nullptr;
    QWidget* masterArea_ = nullptr;
    MasterPagePanels panels_;
    GeneratorPage* generatorPage_ = nullptr;
    StatusBarPanel* statusBar_ = nullptr;

    // Collaborators, each a Qt child of the window but the report viewer and commands.
    WindowHelp* windowHelp_ = nullptr;
    LiveControls* liveControls_ = nullptr;
    GeneratorCommands* generatorCommands_ = nullptr;
    NameCommands* nameCommands_ = nullptr;
    ConfigCommands* configCommands_ = nullptr;
    TransferController* transfers_ = nullptr;
    std::unique_ptr<ReportViewer> reportViewer_;
    std::unique_ptr<ReportCommands> reports_;
    MainMenuBar* menus_ = nullptr;
    RecordCommand* record_ = nullptr;
};

} // namespace q7582
