#pragma once
// MainWindow, the main window: live status of the connected master, its live controls,
// the PC-side names, help, and the status bar. Listens to the link as its observer.
// Split by concern: MainWindow.cpp (construction, modes, observer, closing), MainWindowBuild.cpp
// (the panels and their help buttons), MainWindowStatus.cpp (status refresh
// and folding), MainWindowControls.cpp (live controls), MainWindowNames.cpp (names, help),
// MainWindowStatusBar.cpp (status bar updates), MainWindowMenus.cpp (menu bar, reports), MainWindowCommands.cpp
// (configuration commands), MainWindowGenerator.cpp (the generator page's clicks and refresh).

#include "link/Chip.h"
#include "link/LinkObserver.h"
#include "link/LinkShared.h"
#include "reports/StatusReport.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/Workspace.h"
#include "ui/main/ClosingGuard.h"
#include "ui/main/GeneratorPanel.h"
#include "ui/main/HelpOpener.h"
#include "ui/main/PendingChanges.h"
#include "ui/main/StatusRules.h"

#include <QDateTime>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QSlider;
class QStackedWidget;
class QTimer;

namespace q7582 {

class ActiveSourcePanel;
class GroupsPanel;
class GeneratorPage;
class IoGridPanel;
class LevelTag;
class LevelsPanel;
class MasterPanel;
class MusicSelectionPanel;
class ReportCommands;
class ReportViewer;
class StatusBarPanel;
class LinkThread;
class UnitsPanel;
class VoxPanel;
class ZoneGridPanel;

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
    int selectedMusicSource() const { return selectedMusicSource_; }
    bool generatorMode() const { return generatorMode_; }
    bool generatorModeEntered() const { return generatorModeEntered_; }
    int helpContext() const { return helpContext_; }
    const QString& startDirectory() const { return startDirectory_; }

    // Creates the worker on the chip and opens the device (or starts reconnecting).
    // pacing scales the link's sleeps (tests run it faster than the device).
    void startLink(std::unique_ptr<Chip> chip, double pacing = 1.0);
    // Stops the worker whatever it is doing; safe to call twice.
    void stopLink();

    // A request to close from outside the window (a termination signal, the session's
    // end); the close button, Alt+F4 and "Exit" come through closeEvent. Either way a
    // running transfer finishes first.
    void requestClose(CloseSource source);
    // Open, Load Default or the editor replaced the configuration: a pending Upload
    // must not overwrite it.
    void configurationReplaced();
    // Esc or the Cancel button: withdraws an Upload or a transfer waiting to restart.
    void cancelTransfer();
    // The master holds a partial configuration since a Download failed.
    bool partialDownload() const { return partialDownload_; }

    // Hooks of the windows built elsewhere: "&Message"/"&Open" shows the message folder
    // compiler, "&Config"/"&Edit" the configuration editor, each modally. An item stays
    // disabled until its hook is set.
    void setMessageCompilerOpener(std::function<void()> open);
    void setConfigEditorOpener(std::function<void()> open);
    ReportViewer& reportViewer() { return *reportViewer_; }
    // What the status report reads from the controls.
    StatusWindowValues statusWindowValues() const;
    const GeneratorPanel& generatorPanel() const { return generatorPanel_; }

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
    // The window closed for good: the program ends, whatever other window is open.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // MainWindowMenus.cpp
    void buildMenus();
    QAction* addItem(QMenu* menu, const QString& caption, const char* name, void (MainWindow::*handler)());
    void exitProgram();

    // MainWindowCommands.cpp
    void openMessageFolder();
    void editConfiguration();
    void uploadConfiguration();
    void downloadConfiguration();
    bool masterServesTransfers(const QString& command);
    void saveConfiguration();
    void openConfiguration();
    void loadDefaultConfiguration(int tag);

    // MainWindowGenerator.cpp
    void connectGeneratorPage();
    void alignGeneratorClock();
    void generatorSummerTimeClicked(bool off);
    void playClicked(LiveParam entry, bool down);
    void sendSummerTimeTable();

    // MainWindowBuild.cpp
    void buildPanels();
    void connectHelpButtons();

    // MainWindowStatus.cpp
    void foldOrShowLevels(StatusBlock& sb);
    void foldOrShowMasterPanel(StatusBlock& sb);
    void foldOrShowMusicSelection(StatusBlock& sb);
    // Folds a pending change into the block and asks for its write; false: none pending.
    bool foldPending(LiveParam entry, std::atomic<bool>& request, const std::function<void()>& fold);
    void requestWrite(std::atomic<bool>& request);
    void updateMasterControls();

    // MainWindowControls.cpp
    void connectControls();
    void levelChanged(int slider);
    void musicSourceListOpened();
    void musicSourceListClosed();
    void musicSourceChosen(int index);
    void musicOnRemoteClicked();
    void chimeClicked(bool on);
    void summerTimeClicked(bool off);
    void alignMasterClock();
    void changeMasterAddress();
    void toggleZoneMusic(int cell, Qt::MouseButton button);
    void parkFocus();
    QDateTime now() const;

    // MainWindowNames.cpp
    void loadSettingsAndNames();
    void showUnitNames();
    void showGridNames();
    void showMusicNames();
    std::optional<QString> askName(const QString& current);
    void renameUnit(int n);
    void renameGridCell(std::vector<std::string>& table, int cell);
    void renameMusicSource(int n);
    void applyHelpLanguage();
    void chooseHelpLanguage(bool italian);
    void showHelpContents();
    void showAbout();
    void showFileError(const FileResult& r);

    // MainWindowStatusBar.cpp
    // The Cancel button and Esc withdraw this transfer's request; nothing: both idle.
    void offerCancel(std::optional<TransferKind> kind);

    // MainWindowTransfers.cpp
    ClosingGuard::Hooks closingHooks();
    void showTransferFailure(const QString& text);

    LinkShared& shared_;
    std::unique_ptr<DialogProvider> ownDialogs_;
    DialogProvider* dialogs_;
    std::function<QDateTime()> now_;
    Workspace& workspace_;
    // The working data lives in the workspace; the link gets copies through the observer calls.
    SettingsFile& settings_;
    NameTables& names_;
    HelpOpener help_;
    std::unique_ptr<LinkThread> link_;

    ConfigImage& config_;
    Provenance& provenance_;
    LegalFileImage& legalFile_;
    PendingChangeTable pending_{};
    int selectedMusicSource_ = 0;
    bool generatorMode_ = false;
    bool generatorModeEntered_ = false;
    int helpContext_ = HelpContext::MainWindow;
    QString startDirectory_;

    // Controls.
    QMenu* helpLanguageMenu_ = nullptr;
    QAction* italianHelp_ = nullptr;
    QAction* englishHelp_ = nullptr;
    QAction* helpContents_ = nullptr;
    std::vector<QMenu*> masterOnlyMenus_;
    QStackedWidget* modes_ = nullptr;
    QWidget* masterArea_ = nullptr;
    std::array<QSlider*, LevelSliderCount> levelSliders_{};
    LevelsPanel* speechPanel_ = nullptr;
    LevelsPanel* musicPanel_ = nullptr;
    VoxPanel* voxPanel_ = nullptr;
    LevelTag* levelTag_ = nullptr;
    UnitsPanel* unitsPanel_ = nullptr;
    ZoneGridPanel* zonePanel_ = nullptr;
    IoGridPanel* outputPanel_ = nullptr;
    IoGridPanel* inputPanel_ = nullptr;
    GroupsPanel* groupsPanel_ = nullptr;
    ActiveSourcePanel* activeSourcePanel_ = nullptr;
    MasterPanel* masterPanel_ = nullptr;
    MusicSelectionPanel* musicSelectionPanel_ = nullptr;
    GeneratorPage* generatorPage_ = nullptr;
    QTimer* parkFocusTimer_ = nullptr;

    // Menu commands.
    std::function<void()> openMessageCompiler_;
    std::function<void()> openConfigEditor_;
    QAction* messageFolderAction_ = nullptr;
    QAction* editAction_ = nullptr;
    std::unique_ptr<ReportViewer> reportViewer_;
    std::unique_ptr<ReportCommands> reports_;

    // The message-generator panel's decisions.
    GeneratorPanel generatorPanel_;

    StatusBarPanel* statusBar_ = nullptr;

    // Transfers and closing.
    std::optional<TransferKind> cancellable_;
    bool partialDownload_ = false;
    ClosingGuard* closing_ = nullptr;
};

} // namespace q7582
