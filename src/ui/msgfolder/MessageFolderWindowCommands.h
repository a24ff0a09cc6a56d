#pragma once
// The compiler window's actions with their shortcuts and hints, bound to the window's
// handlers, and the menu bar and tool bar that offer them.

#include <QCoreApplication>

class QAction;
class QMenuBar;
class QToolBar;

namespace q7582 {

class MessageFolderWindow;

class MessageFolderWindowCommands {
    Q_DECLARE_TR_FUNCTIONS(MessageFolderWindowCommands)

public:
    // help: the window's F1, shown in the menu bar.
    MessageFolderWindowCommands(MessageFolderWindow& window, QAction* help);

    QMenuBar* menuBar() const { return menuBar_; }
    QToolBar* toolBar() const { return toolBar_; }
    // Open is offered while no folder is open, the folder and list commands while one is.
    void showFolderOpen(bool open);

private:
    void buildActions(MessageFolderWindow& window, QAction* help);
    void buildMenuBar(MessageFolderWindow& window);
    void buildToolBar();

    QToolBar* toolBar_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
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
};

} // namespace q7582
