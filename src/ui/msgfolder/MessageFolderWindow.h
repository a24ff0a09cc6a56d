#pragma once
// MessageFolderWindow, the message folder compiler: opens or creates the card's MSGVELA
// folder, checks its list against the WAV files and edits the list. Every change
// goes to the folder at once; the logic lives in MessageFolder.

#include "model/FileIo.h"
#include "msgfolder/MessageFolder.h"
#include "ui/common/DialogProvider.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QStatusBar;
class QTableWidget;

namespace q7582 {

class MessageFolderWindowCommands;
class WindowHelp;

class MessageFolderWindow : public QDialog {
    Q_OBJECT
public:
    explicit MessageFolderWindow(DialogProvider& dialogs, QWidget* parent = nullptr);
    ~MessageFolderWindow() override;

    // Opens a help topic by context number (the main window passes its help opener).
    void setHelpHook(std::function<void(int context)> hook);

    const MessageFolder& folder() const { return folder_; }

    void chooseAndOpenFolder();
    void closeFolder();
    void addMessageFromFile();
    void deleteSelectedMessage();
    void changeTitle();
    void findMessage();
    void changeDescription();
    void exitWindow();

protected:
    bool event(QEvent* event) override;

private:
    void buildLayout(QLabel* titleLabel);
    void fitHintPanel();
    void showSystemError(const FileResult& failure);
    void showFolderState();
    void showList(int currentRow);
    int currentRow() const;
    bool listIsEmptyStops();
    void openLoadedFolder();

    DialogProvider& dialogs_;
    WindowHelp* help_;
    MessageFolder folder_;

    std::unique_ptr<MessageFolderWindowCommands> commands_;

    QLineEdit* titleEdit_ = nullptr;
    QTableWidget* messageTable_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* hintPanel_ = nullptr;
    QLabel* folderPanel_ = nullptr;
};

} // namespace q7582
