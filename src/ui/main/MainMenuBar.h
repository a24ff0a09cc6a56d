#pragma once
// The main window's menu bar in its order (Message, Config, Report, Help Language, the
// interface's Language, Help, Exit). The configuration and report items run their commands; the help-language menu
// ticks and stores the language the settings hold.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QString;
class QWidget;

namespace q7582 {

enum class LanguageChoice;
class ConfigCommands;
class DialogProvider;
class ReportCommands;
class SettingsFile;
class TransferController;

class MainMenuBar : public QObject {
    Q_OBJECT
public:
    struct Commands {
        ConfigCommands& config;
        TransferController& transfers;
        ReportCommands& reports;
    };

    // help: the window's F1, shown as "&Help". window: the parent of the error box and of this object.
    MainMenuBar(QMenuBar* bar, Commands commands, QAction* help, SettingsFile& settings, DialogProvider& dialogs,
                QWidget* window);

    // "&Message"/"&Open", "&Config"/"&Edit" and "&Config"/"&History..." stay disabled
    // until given what they open.
    void setMessageCompilerOpener(std::function<void()> open);
    void setConfigEditorOpener(std::function<void()> open);
    void setHistoryOpener(std::function<void()> open);
    // "&Report"/"&Timeline..." likewise.
    void setTimelineOpener(std::function<void()> open);
    // Message, Config and Report serve a master only.
    void enableMasterMenus(bool enabled);
    // Ticks the help language the settings hold.
    void showHelpLanguage();

signals:
    void statusReportTriggered();
    void aboutTriggered();
    void exitTriggered();

private:
    void buildConfigMenu(QMenu* config);
    void buildReportMenu(QMenu* report);
    void buildHelpMenus(QMenuBar* bar, QAction* help);
    void chooseHelpLanguage(bool italian);
    void buildLanguageMenu(QMenuBar* bar);
    void chooseLanguage(LanguageChoice choice);
    std::string languageFile() const; // beside QS7582.ini
    // An item that opens a window built elsewhere: disabled until given its opener.
    QAction* addOpenerItem(QMenu* menu, const QString& caption, const char* name, const std::function<void()>& opener);
    void setOpener(QAction* item, std::function<void()>& opener, std::function<void()> open);

    Commands commands_;
    SettingsFile& settings_;
    DialogProvider& dialogs_;
    QWidget* window_;
    std::vector<QMenu*> masterMenus_;
    std::function<void()> openMessageCompiler_;
    std::function<void()> openConfigEditor_;
    std::function<void()> openHistory_;
    std::function<void()> openTimeline_;
    QAction* messageFolderAction_ = nullptr;
    QAction* editAction_ = nullptr;
    QAction* historyAction_ = nullptr;
    QAction* timelineAction_ = nullptr;
    QAction* italianHelp_ = nullptr;
    QAction* englishHelp_ = nullptr;
};

} // namespace q7582
