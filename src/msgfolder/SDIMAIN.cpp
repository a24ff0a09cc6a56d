// TSDIAppForm: controls, actions, menus, tool bar and the two window states.
#include "msgfolder/SDIMAIN.h"

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

TSDIAppForm::TSDIAppForm(std::unique_ptr<CompilerDialogs> dialogs, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs ? std::move(dialogs) : qtCompilerDialogs())
{
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(QStringLiteral("Q7582 message folder compiler"));

    auto* titleLabel = new QLabel(QStringLiteral("Message list title"), this);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    // Without focus it cannot swallow Ctrl+C and Ctrl+A, the shortcuts of Close and Add.
    Edit2->setFocusPolicy(Qt::NoFocus);
    QPalette grey = Edit2->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    Edit2->setPalette(grey);

    Lista = new QTableWidget(0, 2, this);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setHorizontalHeaderLabels({QStringLiteral("Msg"), QStringLiteral("Description")});
    Lista->horizontalHeader()->setStretchLastSection(true);
    Lista->verticalHeader()->hide();
    Lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lista->setSelectionMode(QAbstractItemView::SingleSelection);
    Lista->setMinimumHeight(300);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    hintPanel_ = new QLabel(this);
    hintPanel_->setObjectName(QStringLiteral("HintPanel"));
    hintPanel_->setFixedWidth(200);
    folderPanel_ = new QLabel(this);
    folderPanel_->setObjectName(QStringLiteral("FolderPanel"));
    folderPanel_->setFixedWidth(400);
    StatusBar->addWidget(hintPanel_);
    StatusBar->addWidget(folderPanel_);

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
    titleRow->addWidget(Edit2, 1);
    layout->addLayout(titleRow);
    layout->addWidget(Lista, 1);
    layout->addWidget(StatusBar);
    resize(600, 400);

    showFolderState();
}

TSDIAppForm::~TSDIAppForm() = default;

void TSDIAppForm::buildActions()
{
    constexpr auto NoIcon = QStyle::SP_CustomBase;
    const struct {
        QAction** member;
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint; // "short|long": tool tip and status bar text
        void (TSDIAppForm::*handler)();
        QStyle::StandardPixmap icon;
    } table[] = {
        {&MsgFolder, "MsgFolder", "&Open-create Message Folder", "Ctrl+O",
         "Open-Create|Open or create a message folder", &TSDIAppForm::MsgFolderExecute,
         QStyle::SP_DialogOpenButton},
        {&CloseFolder, "CloseFolder", "&Close Folder", "Ctrl+C", "Close|Close message folder",
         &TSDIAppForm::CloseFolderExecute, QStyle::SP_DialogCloseButton},
        {&AddMsg, "AddMsg", "&Add Message to List", "Ctrl+A",
         "Add|Add a .wav file to the message list", &TSDIAppForm::AddMsgExecute,
         QStyle::SP_FileIcon},
        {&DeleteMsg, "DeleteMsg", "&Delete Message from List", "Ctrl+X",
         "Delete|Delate a .wav file from the list", &TSDIAppForm::DeleteMsgExecute,
         QStyle::SP_TrashIcon},
        {&ChgTitle, "ChgTitle", "&Change title", "Ctrl+T",
         "Change title|Change title of message list", &TSDIAppForm::ChgTitleExecute,
         QStyle::SP_FileDialogDetailedView},
        {&FileFnd, "FileFnd", "&Find file", "Ctrl+F", "Find|Find file in the message list",
         &TSDIAppForm::FileFndExecute, QStyle::SP_FileDialogContentsView},
        {&ChgFile, "ChgFile", "C&hange description", "Ctrl+E",
         "Change description|Change description of message file", &TSDIAppForm::ChgFileExecute,
         QStyle::SP_FileDialogInfoView},
        {&HelpAct, "HelpAct", "&Help", "", "Help|Help compiler info", &TSDIAppForm::HelpActExecute,
         NoIcon},
        {&ExitAct, "ExitAct", "Exit", "", "", &TSDIAppForm::ExitActExecute, NoIcon},
        // The File menu's own Exit item closes the window like the top-level Exit.
        {&FileExit, "Exit1", "E&xit", "", "", &TSDIAppForm::ExitActExecute, NoIcon},
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

void TSDIAppForm::buildMenusAndToolBar(QToolBar* toolBar)
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    file->addActions({MsgFolder, CloseFolder, AddMsg, DeleteMsg});
    file->addSeparator();
    file->addAction(FileExit);
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
    edit->addActions({ChgTitle, FileFnd, ChgFile});
    menuBar->addAction(HelpAct);
    menuBar->addAction(ExitAct);

    toolBar->addActions({MsgFolder, CloseFolder});
    toolBar->addSeparator();
    toolBar->addActions({AddMsg, DeleteMsg});
    toolBar->addSeparator();
    toolBar->addActions({FileFnd, ChgTitle, ChgFile});
    // The Close button has a hint of its own; the button takes the action's hint
    // again whenever the action changes, so it is set again after that.
    QWidget* closeButton = toolBar->widgetForAction(CloseFolder);
    auto closeHint = [closeButton] {
        closeButton->setToolTip(QStringLiteral("Close"));
        closeButton->setStatusTip(QStringLiteral("Close Message Folder"));
    };
    closeHint();
    connect(CloseFolder, &QAction::changed, closeButton, closeHint);
}

bool TSDIAppForm::event(QEvent* event)
{
    // The long part of a hint goes to the first panel, not over the whole status bar.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void TSDIAppForm::showFolderState()
{
    const bool open = folder_.isOpen();
    MsgFolder->setEnabled(!open);
    for (QAction* action : {CloseFolder, AddMsg, DeleteMsg, ChgTitle, FileFnd, ChgFile})
        action->setEnabled(open);
    Lista->setVisible(open);
    folderPanel_->setText(open ? QStringLiteral("Message folder: ") + folder_.path()
                               : QStringLiteral("Message folder: not selected"));
}

void TSDIAppForm::showList(int currentRow)
{
    const MessageList& list = folder_.list();
    Edit2->setText(list.title);
    Lista->setRowCount(int(list.rows.size()));
    for (int row = 0; row < int(list.rows.size()); ++row) {
        Lista->setItem(row, 0, new QTableWidgetItem(list.rows[row].number));
        Lista->setItem(row, 1, new QTableWidgetItem(list.rows[row].description));
    }
    if (list.rows.empty())
        return;
    // The grid always has a current row while it has rows.
    Lista->setCurrentCell(std::clamp(currentRow, 0, int(list.rows.size()) - 1), 0);
}

int TSDIAppForm::currentRow() const
{
    return Lista->currentRow();
}

} // namespace q7582
