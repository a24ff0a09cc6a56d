// MessageFolderWindow: controls, actions, menus, tool bar and the two window states.
#include "msgfolder/MessageFolderWindow.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace q7582 {

MessageFolderWindow::MessageFolderWindow(DialogProvider& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(QStringLiteral("Q7582 message folder compiler"));

    auto* titleLabel = new QLabel(QStringLiteral("Message list title"), this);
    titleEdit_ = new QLineEdit(this);
    titleEdit_->setObjectName(QStringLiteral("Edit2"));
    titleEdit_->setReadOnly(true);
    // Without focus it cannot swallow Ctrl+C and Ctrl+A, the shortcuts of Close and Add.
    titleEdit_->setFocusPolicy(Qt::NoFocus);
    QPalette grey = titleEdit_->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    titleEdit_->setPalette(grey);

    messageTable_ = new QTableWidget(0, 2, this);
    messageTable_->setObjectName(QStringLiteral("Lista"));
    messageTable_->setHorizontalHeaderLabels({QStringLiteral("Msg"), QStringLiteral("Description")});
    messageTable_->horizontalHeader()->setStretchLastSection(true);
    messageTable_->verticalHeader()->hide();
    messageTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    messageTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    messageTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    messageTable_->setMinimumHeight(300);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    hintPanel_ = new QLabel(this);
    hintPanel_->setObjectName(QStringLiteral("HintPanel"));
    hintPanel_->setFixedWidth(200);
    folderPanel_ = new QLabel(this);
    folderPanel_->setObjectName(QStringLiteral("FolderPanel"));
    folderPanel_->setFixedWidth(400);
    statusBar_->addWidget(hintPanel_);
    statusBar_->addWidget(folderPanel_);

    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    buildActions();
    buildMenusAndToolBar(toolBar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->setMenuBar(findChild<QMenuBar*>());
    layout->addWidget(toolBar);
    auto* titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(6, 0, 6, 0);
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(titleEdit_, 1);
    layout->addLayout(titleRow);
    layout->addWidget(messageTable_, 1);
    layout->addWidget(statusBar_);
    resize(600, 400);

    showFolderState();
}

MessageFolderWindow::~MessageFolderWindow() = default;

void MessageFolderWindow::buildActions()
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
    } table[] = {
        {&openFolderAction_, "MsgFolder", "&Open-create Message Folder", "Ctrl+O",
         "Open-Create|Open or create a message folder", &MessageFolderWindow::chooseAndOpenFolder,
         QStyle::SP_DialogOpenButton},
        {&closeFolderAction_, "CloseFolder", "&Close Folder", "Ctrl+C", "Close|Close message folder",
         &MessageFolderWindow::closeFolder, QStyle::SP_DialogCloseButton},
        {&addMessageAction_, "AddMsg", "&Add Message to List", "Ctrl+A", "Add|Add a .wav file to the message list",
         &MessageFolderWindow::addMessageFromFile, QStyle::SP_FileIcon},
        {&deleteMessageAction_, "DeleteMsg", "&Delete Message from List", "Ctrl+X",
         "Delete|Delate a .wav file from the list", &MessageFolderWindow::deleteSelectedMessage, QStyle::SP_TrashIcon},
        {&changeTitleAction_, "ChgTitle", "&Change title", "Ctrl+T", "Change title|Change title of message list",
         &MessageFolderWindow::changeTitle, QStyle::SP_FileDialogDetailedView},
        {&findMessageAction_, "FileFnd", "&Find file", "Ctrl+F", "Find|Find file in the message list",
         &MessageFolderWindow::findMessage, QStyle::SP_FileDialogContentsView},
        {&changeDescriptionAction_, "ChgFile", "C&hange description", "Ctrl+E",
         "Change description|Change description of message file", &MessageFolderWindow::changeDescription,
         QStyle::SP_FileDialogInfoView},
        {&helpAction_, "HelpAct", "&Help", "", "Help|Help compiler info", &MessageFolderWindow::showHelp, NoIcon},
        {&exitAction_, "ExitAct", "Exit", "", "", &MessageFolderWindow::exitWindow, NoIcon},
        // The File menu's own Exit item closes the window like the top-level Exit.
        {&fileExitAction_, "Exit1", "E&xit", "", "", &MessageFolderWindow::exitWindow, NoIcon},
    };
    for (const auto& entry : table) {
        auto* action = new QAction(QString::fromLatin1(entry.caption), this);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        const QString hint = QString::fromLatin1(entry.hint);
        action->setToolTip(hint.section(u'|', 0, 0));
        action->setStatusTip(hint.section(u'|', 1));
        if (entry.icon != NoIcon)
            action->setIcon(style()->standardIcon(entry.icon));
        connect(action, &QAction::triggered, this, entry.handler);
        QWidget::addAction(action); // shortcuts work while the menus are closed
        *entry.member = action;
    }
}

void MessageFolderWindow::buildMenusAndToolBar(QToolBar* toolBar)
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    file->addActions({openFolderAction_, closeFolderAction_, addMessageAction_, deleteMessageAction_});
    file->addSeparator();
    file->addAction(fileExitAction_);
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
    edit->addActions({changeTitleAction_, findMessageAction_, changeDescriptionAction_});
    menuBar->addAction(helpAction_);
    menuBar->addAction(exitAction_);

    toolBar->addActions({openFolderAction_, closeFolderAction_});
    toolBar->addSeparator();
    toolBar->addActions({addMessageAction_, deleteMessageAction_});
    toolBar->addSeparator();
    toolBar->addActions({findMessageAction_, changeTitleAction_, changeDescriptionAction_});
    // The Close button has a hint of its own; the button takes the action's hint
    // again whenever the action changes, so it is set again after that.
    QWidget* closeButton = toolBar->widgetForAction(closeFolderAction_);
    auto closeHint = [closeButton] {
        closeButton->setToolTip(QStringLiteral("Close"));
        closeButton->setStatusTip(QStringLiteral("Close Message Folder"));
    };
    closeHint();
    connect(closeFolderAction_, &QAction::changed, closeButton, closeHint);
}

bool MessageFolderWindow::event(QEvent* event)
{
    // The long part of a hint goes to the first panel, not over the whole status bar.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void MessageFolderWindow::showFolderState()
{
    const bool open = folder_.isOpen();
    openFolderAction_->setEnabled(!open);
    for (QAction* action : {closeFolderAction_, addMessageAction_, deleteMessageAction_, changeTitleAction_,
                            findMessageAction_, changeDescriptionAction_})
        action->setEnabled(open);
    messageTable_->setVisible(open);
    folderPanel_->setText(open ? QStringLiteral("Message folder: ") + folder_.path()
                               : QStringLiteral("Message folder: not selected"));
}

void MessageFolderWindow::showList(int currentRow)
{
    const MessageList& list = folder_.list();
    titleEdit_->setText(list.title);
    messageTable_->setRowCount(int(list.rows.size()));
    for (int row = 0; row < int(list.rows.size()); ++row) {
        messageTable_->setItem(row, 0, new QTableWidgetItem(list.rows[row].number));
        messageTable_->setItem(row, 1, new QTableWidgetItem(list.rows[row].description));
    }
    if (list.rows.empty())
        return;
    // The grid always has a current row while it has rows.
    messageTable_->setCurrentCell(std::clamp(currentRow, 0, int(list.rows.size()) - 1), 0);
}

int MessageFolderWindow::currentRow() const { return messageTable_->currentRow(); }

} // namespace q7582
