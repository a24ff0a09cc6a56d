#pragma once
// TForm1, the main window: live status of the connected master, its live controls,
// the PC-side names, help, and the status bar. Listens to the link as its observer.
// Split by concern: Main.cpp (construction, modes, observer, closing), MainBuild.cpp
// (panels), MainStatus.cpp (status refresh and folding), MainControls.cpp (live
// controls), MainNames.cpp (names, help), MainStatusBar.cpp (status bar), MainMenus.cpp
// (menu bar, reports), MainCommands.cpp (configuration commands), MainGenerator.cpp
// (message-generator panel).

#include "link/Chip.h"
#include "link/LinkObserver.h"
#include "link/LinkShared.h"
#include "model/ConfigImage.h"
#include "model/LegalFile.h"
#include "model/Provenance.h"
#include "reports/StatusReport.h"
#include "settings/NameTables.h"
#include "settings/SettingsFile.h"
#include "ui/main/ClosingGuard.h"
#include "ui/main/DialogProvider.h"
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
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;

namespace q7582 {

class ClickLabel;
class Meter;
class ConnectionIcon;
class MusicCombo;
class ReportCommands;
class ReportViewer;
class TThreadUsb;

class TForm1 : public QMainWindow, public LinkObserver {
    Q_OBJECT
public:
    struct Options {
        std::string dir = ".";                // where settings and name files lie
        DialogProvider* dialogs = nullptr;    // null: the real dialogs
        HelpOpener::Platform help = HelpOpener::systemPlatform();
        std::function<QDateTime()> now;       // null: the PC clock
    };

    static constexpr int MasterWidth = 850, MasterHeight = 655;
    static constexpr int GeneratorClientWidth = 500, GeneratorClientHeight = 350;

    explicit TForm1(LinkShared& shared);
    TForm1(LinkShared& shared, Options options);
    ~TForm1() override;

    // Data the window owns; the link gets copies through the observer calls.
    ConfigImage& configImage() { return config_; }
    Provenance& provenance() { return provenance_; }
    LegalFileImage& legalFileImage() { return legalFile_; }
    PendingChangeTable& pendingChanges() { return pending_; }
    SettingsFile& settings() { return init_; }
    NameTables& names() { return names_; }
    LinkShared& shared() { return shared_; }
    HelpOpener& helpOpener() { return help_; }
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
    // The editor's changes were accepted: they become the image, which is now modified.
    void configEditorAccepted(const ConfigImage& edited);
    ReportViewer& reportViewer() { return *form3_; }
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
    // MainMenus.cpp
    void buildMenus();
    QAction* addItem(QMenu* menu, const QString& caption, const char* name, void (TForm1::*handler)());
    void Exit1Click();

    // MainCommands.cpp
    void Open2Click();
    void Edit2Click();
    void Edit1Click();
    void Download1Click();
    bool masterServesTransfers(const QString& command);
    void Save1Click();
    void Open1Click();
    void Master01Click(int tag);

    // MainGenerator.cpp
    void buildGeneratorPanel(QWidget* central);
    void connectGeneratorControls();
    GeneratorPanelView generatorView() const;
    void showGeneratorView(const GeneratorPanelView& view);
    void SPAlignClick();
    void SPMsgLegalClick();
    void SPstartHPClick();
    void SPstartChClick();
    void playClick(QPushButton* button, LiveParam entry, QString (*caption)(bool));
    void SPLegalUpdateClick();

    // MainBuild.cpp
    void buildPanels(QWidget* central);
    QGroupBox* makePanel(QWidget* parent, const char* name, const QString& title, const QRect& geometry);
    QToolButton* makeHelpButton(QGroupBox* panel, const char* name, int context);
    void buildSpeechPanel(QWidget* central);
    void buildMusicPanel(QWidget* central);
    void buildVoxPanel(QWidget* central);
    void buildUnitPanel(QWidget* central);
    void buildActivePanel(QWidget* central);
    void buildGroupPanel(QWidget* central);
    void buildMusicSelectionPanel(QWidget* central);
    void buildGrid(QWidget* central, const char* panelName, const QString& title, const QRect& geometry,
                   const char* rowPrefix, const QString& rowCaption, int rowBase, const char* cellPrefix,
                   const char* helpName, int helpContext, std::array<ClickLabel*, 6>& rows,
                   std::array<ClickLabel*, GridCells>& cells);
    void buildAddressPanel(QWidget* central);
    QSlider* makeLevelSlider(QWidget* panel, int index, const QRect& geometry);
    void buildStatusBar();

    // MainStatus.cpp
    void showZones(const StatusBlock& sb);
    void showIoGrid(const StatusBlock& sb, bool outputs);
    void showUnits(const StatusBlock& sb);
    void showActive(const StatusBlock& sb);
    void showClock(const StatusBlock& sb);
    void foldOrShowLevels(StatusBlock& sb);
    void requestWrite(std::atomic<bool>& request);
    void updateMasterControls();

    // MainControls.cpp
    void connectControls();
    void VolChange(int slider);
    void showValueTag(int slider);
    void CbMusicAttDropDown();
    void CbMusicAttCloseUp();
    void CbMusicAttChange(int index);
    void SPMoRClick();
    void SPChimeClick();
    void SPLegalTimeClick();
    void SPTimeClick();
    void STAddrDblClick();
    void changeMusica(int cell, Qt::MouseButton button);
    void TBoxTimer();
    void togliFocusTimer();
    void BbMusicMouseLeave();
    QDateTime now() const;

    // MainNames.cpp
    void loadSettingsAndNames();
    void showUnitNames();
    void showGridNames();
    void showMusicNames();
    std::optional<QString> askName(const QString& current);
    void changeNameUnit(int n);
    void changeNameZO(std::vector<std::string>& table, int cell);
    void MusicChange(int n);
    void ApplyHelpLanguage();
    void chooseHelpLanguage(bool italian);
    void Help2Click();
    void Info1Click();
    void showFileError(const FileResult& r);

    // MainStatusBar.cpp
    void showAccess();
    void buildCancelButton(QWidget* progressPanel);
    // A line in place of the configuration caption; a timed one goes after a while.
    void showNotice(const QString& text, bool timed, const QString& detail = {});
    void clearNotice();
    // The Cancel button and Esc withdraw this transfer's request; nothing: both idle.
    void offerCancel(std::optional<TransferKind> kind);

    // MainTransfers.cpp
    ClosingGuard::Hooks closingHooks();
    void showTransferFailure(const QString& text);

    LinkShared& shared_;
    std::unique_ptr<DialogProvider> ownDialogs_;
    DialogProvider* dialogs_;
    std::function<QDateTime()> now_;
    SettingsFile init_;
    NameTables names_;
    HelpOpener help_;
    std::unique_ptr<TThreadUsb> link_;

    ConfigImage config_;
    Provenance provenance_;
    LegalFileImage legalFile_;
    PendingChangeTable pending_{};
    ZoneCells zoneCells_{};
    int selectedMusicSource_ = 0;
    bool generatorMode_ = false;
    bool generatorModeEntered_ = false;
    bool clockValid_ = false;
    int helpContext_ = HelpContext::MainWindow;
    QString startDirectory_;

    // Controls.
    QMenu* helpLanguageMenu_ = nullptr;
    QAction* italiano1_ = nullptr;
    QAction* english1_ = nullptr;
    QAction* help2_ = nullptr;
    std::vector<QMenu*> masterOnlyMenus_;
    QWidget* masterArea_ = nullptr;
    std::array<QSlider*, LevelSliderCount> levelSliders_{};
    QLabel* levelTag_ = nullptr;
    std::array<ClickLabel*, 5> musicLabels_{};
    std::array<QLabel*, StatusBlock::Units> unitIcons_{};
    std::array<ClickLabel*, StatusBlock::Units> unitNames_{};
    std::array<ClickLabel*, StatusBlock::Units> unitLines_{};
    std::array<ClickLabel*, 6> slaveLabels_{}, outLabels_{}, inLabels_{};
    std::array<ClickLabel*, GridCells> zoneCellLabels_{}, outCells_{}, inCells_{};
    std::array<ClickLabel*, 6> groupTexts_{};
    ClickLabel* stUnitAtt_ = nullptr;
    ClickLabel* stPtyAtt_ = nullptr;
    ClickLabel* stMsgAtt_ = nullptr;
    MusicCombo* cbMusicAtt_ = nullptr;
    QPushButton* spMoR_ = nullptr;
    ClickLabel* stAddr_ = nullptr;
    QPushButton* spChime_ = nullptr;
    ClickLabel* stMDate_ = nullptr;
    ClickLabel* stMTime_ = nullptr;
    QPushButton* spTime_ = nullptr;
    QPushButton* spLegalTime_ = nullptr;
    std::vector<QWidget*> masterControlLabels_;
    Meter* prBar1_ = nullptr;
    Meter* prBar2_ = nullptr;
    QWidget* panelMG_ = nullptr;
    QTimer* tBox_ = nullptr;
    QTimer* togliFocus_ = nullptr;

    // Menu commands.
    std::function<void()> openMessageCompiler_;
    std::function<void()> openConfigEditor_;
    QAction* open2_ = nullptr;
    QAction* edit2_ = nullptr;
    std::unique_ptr<ReportViewer> form3_;
    std::unique_ptr<ReportCommands> reports_;

    // The message-generator panel.
    GeneratorPanel generatorPanel_;
    ClickLabel* stMsgDate_ = nullptr;
    ClickLabel* stMsgTime_ = nullptr;
    ClickLabel* stMsgSD_ = nullptr;
    ClickLabel* stMsgVela_ = nullptr;
    ClickLabel* stMsgNum_ = nullptr;
    QComboBox* cbMsgList_ = nullptr;
    ClickLabel* stMsgLegalRel_ = nullptr;
    ClickLabel* labelLegalW_ = nullptr;
    QPushButton* spStartHP_ = nullptr;
    QPushButton* spStartCh_ = nullptr;
    QPushButton* spMsgLegal_ = nullptr;
    QPushButton* spAlign_ = nullptr;
    QPushButton* spLegalUpdate_ = nullptr;

    ConnectionIcon* connectionIcon_ = nullptr;
    Meter* progressBar1_ = nullptr;
    QLabel* activityText_ = nullptr;
    QLabel* captionText_ = nullptr;
    QLabel* accessText_ = nullptr;

    // Transfers and closing.
    QToolButton* cancelButton_ = nullptr;
    QAction* cancelKey_ = nullptr;
    QTimer* noticeTimer_ = nullptr;
    QString notice_;
    std::optional<TransferKind> cancellable_;
    bool partialDownload_ = false;
    ClosingGuard* closing_ = nullptr;
};

} // namespace q7582
