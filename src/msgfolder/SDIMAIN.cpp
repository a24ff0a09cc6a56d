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
#include <QToolButton>
#include <QVBoxLayout>

namespace q7582 {

TSDIAppForm::TSDIAppForm(std::unique_ptr<CompilerDialogs> dialogs, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtCompilerDialogs>())
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

QAction* TSDIAppForm::addAction(const char* name, const QString& caption,
                                const QKeySequence& shortcut, const QString& hint,
                                void (TSDIAppForm::*handler)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    // A hint is "short|long": the short part is the tool tip, the long one goes to the status bar.
    action->setToolTip(hint.section(u'|', 0, 0));
    action->setStatusTip(hint.section(u'|', 1));
    connect(action, &QAction::triggered, this, handler);
    QWidget::addAction(action); // shortcuts work while the menus are closed
    return action;
}

void TSDIAppForm::buildActions()
{
    MsgFolder = addAction("MsgFolder", QStringLiteral("&Open-create Message Folder"),
                          QKeySequence(QStringLiteral("Ctrl+O")),
                          QStringLiteral("Open-Create|Open or create a message folder"),
                          &TSDIAppForm::MsgFolderExecute);
    CloseFolder = addAction("CloseFolder", QStringLiteral("&Close Folder"),
                            QKeySequence(QStringLiteral("Ctrl+C")),
                            QStringLiteral("Close|Close message folder"),
                            &TSDIAppForm::CloseFolderExecute);
    AddMsg = addAction("AddMsg", QStringLiteral("&Add Message to List"),
                       QKeySequence(QStringLiteral("Ctrl+A")),
                       QStringLiteral("Add|Add a .wav file to the message list"),
                       &TSDIAppForm::AddMsgExecute);
    DeleteMsg = addAction("DeleteMsg", QStringLiteral("&Delete Message from List"),
                          QKeySequence(QStringLiteral("Ctrl+X")),
                          QStringLiteral("Delete|Delate a .wav file from the list"),
                          &TSDIAppForm::DeleteMsgExecute);
    ChgTitle = addAction("ChgTitle", QStringLiteral("&Change title"),
                         QKeySequence(QStringLiteral("Ctrl+T")),
                         QStringLiteral("Change title|Change title of message list"),
                         &TSDIAppForm::ChgTitleExecute);
    FileFnd = addAction("FileFnd", QStringLiteral("&Find file"),
                        QKeySequence(QStringLiteral("Ctrl+F")),
                        QStringLiteral("Find|Find file in the message list"),
                        &TSDIAppForm::FileFndExecute);
    ChgFile = addAction("ChgFile", QStringLiteral("C&hange description"),
                        QKeySequence(QStringLiteral("Ctrl+E")),
                        QStringLiteral("Change description|Change description of message file"),
                        &TSDIAppForm::ChgFileExecute);
    HelpAct = addAction("HelpAct", QStringLiteral("&Help"), {},
                        QStringLiteral("Help|Help compiler info"), &TSDIAppForm::HelpActExecute);
    ExitAct = addAction("ExitAct", QStringLiteral("Exit"), {}, {}, &TSDIAppForm::ExitActExecute);
    // The File menu's own Exit item closes the window like the top-level Exit.
    FileExit = addAction("Exit1", QStringLiteral("E&xit"), {}, {}, &TSDIAppForm::ExitActExecute);

    const struct {
        QAction* action;
        QStyle::StandardPixmap icon;
    } icons[] = {{MsgFolder, QStyle::SP_DialogOpenButton},
                 {CloseFolder, QStyle::SP_DialogCloseButton},
                 {AddMsg, QStyle::SP_FileIcon},
                 {DeleteMsg, QStyle::SP_TrashIcon},
                 {FileFnd, QStyle::SP_FileDialogContentsView},
                 {ChgTitle, QStyle::SP_FileDialogDetailedView},
                 {ChgFile, QStyle::SP_FileDialogInfoView}};
    for (const auto& [action, icon] : icons)
        action->setIcon(style()->standardIcon(icon));
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
    // The Close button has a hint of its own.
    if (QWidget* close = toolBar->widgetForAction(CloseFolder)) {
        close->setToolTip(QStringLiteral("Close"));
        close->setStatusTip(QStringLiteral("Close Message Folder"));
    }
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

// Compiled here so that the window does not pull in every other moc output of the library.
#include "moc_SDIMAIN.cpp"
