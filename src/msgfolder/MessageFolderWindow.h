#pragma once
// MessageFolderWindow, the message folder compiler: opens or creates the card's MSGVELA
// folder, checks its list against the WAV files and edits the list. Every change
// goes to the folder at once; the logic lives in MessageFolder.

#include "model/FileIo.h"
#include "msgfolder/MessageFolder.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/HelpContexts.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTableWidget;
class QToolBar;

namespace q7582 {

class MessageFolderWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int TitleLimit = 100;
    static constexpr int DescriptionLimit = 50;

    explicit MessageFolderWindow(DialogProvider& dialogs, QWidget* parent = nullptr);
    ~MessageFolderWindow() override;

    // Opens a help topic by context number (the main window passes its help opener).
    void setHelpHook(std::function<void(int context)> hook) { help_ = std::move(hook); }

    const MessageFolder& folder() const { return folder_; }

    enum class TextKind { Title, Description };
    // The "Edit text box" dialog; text holds the accepted text, or the old one on Cancel.
    bool editTextBox(QString& text, TextKind which);
    // "001".."127", or none on Cancel or after a non-integer entry (which is reported).
    std::optional<QString> askMessageNumber(const QString& caption);
    void showSystemError(const FileResult& failure);

    void chooseAndOpenFolder();
    void closeFolder();
    void addMessageFromFile();
    void deleteSelectedMessage();
    void changeTitle();
    void findMessage();
    void changeDescription();
    void showHelp();
    void exitWindow();

protected:
    bool event(QEvent* event) override;

private:
    void buildActions();
    void buildMenusAndToolBar(QToolBar* toolBar);
    void showFolderState();
    void showList(int currentRow);
    int currentRow() const;
    bool listIsEmptyStops();
    void openLoadedFolder();

    DialogProvider& dialogs_;
    std::function<void(int)> help_;
    MessageFolder folder_;

    QAction* openFolderAction_ = nullptr;
    QAction* closeFolderAction_ = nullptr;
    QAction* addMessageAction_ = nullptr;
    QAction* deleteMessageAction_ = nullptr;
    QAction* changeTitleAction_ = nullptr;
    QAction* findMessageAction_ = nullptr;
    QAction* changeDescriptionAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* fileExitAction_ = nullptr;

    QLineEdit* titleEdit_ = nullptr;
    QTableWidget* messageTable_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* hintPanel_ = nullptr;
    QLabel* folderPanel_ = nullptr;
};

} // namespace q7582
