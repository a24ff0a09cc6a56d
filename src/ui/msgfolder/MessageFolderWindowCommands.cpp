#include "ui/msgfolder/MessageFolderWindowCommands.h"

#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/msgfolder/MessageFolderWindowIcons.h"

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace q7582 {

MessageFolderWindowCommands::MessageFolderWindowCommands(MessageFolderWindow& window, QAction* help)
    : toolBar_(new QToolBar(&window))
{
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    buildActions(window, help);
    buildMenuBar(window);
    buildToolBar();
}

void MessageFolderWindowCommands::buildActions(MessageFolderWindow& window, QAction* help)
{
    constexpr auto NoIcon = QStyle::SP_CustomBase;
    const struct {
        QAction** member;
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint; // "short|long": tool tip and status bar text
        void (MessageFolderWindow::*handler)();
        QStyle::StandardPixmap icon;
        IconMark mark = IconMark::None;
    } table[] = {
        {&openFolderAction_, "MsgFolder",
         QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "&Open-create Message Folder"), "Ctrl+O",
         QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Open-Create|Open or create a message folder"),
         &MessageFolderWindow::chooseAndOpenFolder, QStyle::SP_DialogOpenButton},
        {&closeFolderAction_, "CloseFolder", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "&Close Folder"),
         "Ctrl+C", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Close|Close message folder"),
         &MessageFolderWindow::closeFolder, QStyle::SP_DialogCloseButton},
        {&addMessageAction_, "AddMsg", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "&Add Message to List"),
         "Ctrl+A", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Add|Add a .wav file to the message list"),
         &MessageFolderWindow::addMessageFromFile, QStyle::SP_FileIcon, IconMark::Add},
        {&deleteMessageAction_, "DeleteMsg",
         QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "&Delete Message from List"), "Ctrl+X",
         QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Delete|Delate a .wav file from the list"),
         &MessageFolderWindow::deleteSelectedMessage, QStyle::SP_TrashIcon, IconMark::Remove},
        {&changeTitleAction_, "ChgTitle", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "&Change title"), "Ctrl+T",
         QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Change title|Change title of message list"),
         &MessageFolderWindow::changeTitle, QStyle::SP_FileDialogDetailedView},
        {&findMessageAction_, "FileFnd", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "&Find file"), "Ctrl+F",
         QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Find|Find file in the message list"),
         &MessageFolderWindow::findMessage, QStyle::SP_FileDialogContentsView},
        {&changeDescriptionAction_, "ChgFile", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "C&hange description"),
         "Ctrl+E",
         QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Change description|Change description of message file"),
         &MessageFolderWindow::changeDescription, QStyle::SP_FileDialogInfoView},
        {&exitAction_, "ExitAct", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "Exit"), "", "",
         &MessageFolderWindow::exitWindow, NoIcon},
        // The File menu's own Exit item closes the window like the top-level Exit.
        {&fileExitAction_, "Exit1", QT_TRANSLATE_NOOP("MessageFolderWindowCommands", "E&xit"), "", "",
         &MessageFolderWindow::exitWindow, NoIcon},
    };
    for (const auto& entry : table) {
        auto* action = new QAction(tr(entry.caption), &window);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        const QString hint = tr(entry.hint);
        action->setToolTip(hint.section(u'|', 0, 0));
        action->setStatusTip(hint.section(u'|', 1));
        if (entry.icon != NoIcon)
            action->setIcon(toolBarIcon(*window.style(), entry.icon, entry.mark));
        QObject::connect(action, &QAction::triggered, &window, entry.handler);
        window.addAction(action); // shortcuts work while the menus are closed
        *entry.member = action;
    }
    helpAction_ = help;
    helpAction_->setToolTip(tr("Help"));
    helpAction_->setStatusTip(tr("Help compiler info"));
}

void MessageFolderWindowCommands::buildMenuBar(MessageFolderWindow& window)
{
    menuBar_ = new QMenuBar(&window);
    menuBar_->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = menuBar_->addMenu(tr("&File"));
    file->addActions({openFolderAction_, closeFolderAction_, addMessageAction_, deleteMessageAction_});
    file->addSeparator();
    file->addAction(fileExitAction_);
    QMenu* edit = menuBar_->addMenu(tr("&Edit"));
    edit->addActions({changeTitleAction_, findMessageAction_, changeDescriptionAction_});
    menuBar_->addAction(helpAction_);
    menuBar_->addAction(exitAction_);
}

void MessageFolderWindowCommands::buildToolBar()
{
    toolBar_->addActions({openFolderAction_, closeFolderAction_});
    toolBar_->addSeparator();
    toolBar_->addActions({addMessageAction_, deleteMessageAction_});
    toolBar_->addSeparator();
    toolBar_->addActions({findMessageAction_, changeTitleAction_, changeDescriptionAction_});
    // The Close button has a hint of its own; the button takes the action's hint
    // again whenever the action changes, so it is set again after that.
    QWidget* closeButton = toolBar_->widgetForAction(closeFolderAction_);
    auto closeHint = [closeButton] {
        closeButton->setToolTip(MessageFolderWindowCommands::tr("Close"));
        closeButton->setStatusTip(MessageFolderWindowCommands::tr("Close Message Folder"));
    };
    closeHint();
    QObject::connect(closeFolderAction_, &QAction::changed, closeButton, closeHint);
}

void MessageFolderWindowCommands::showFolderOpen(bool open)
{
    openFolderAction_->setEnabled(!open);
    for (QAction* action : {closeFolderAction_, addMessageAction_, deleteMessageAction_, changeTitleAction_,
                            findMessageAction_, changeDescriptionAction_})
        action->setEnabled(open);
}

} // namespace q7582
