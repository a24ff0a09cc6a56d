// MessageFolderWindow: controls, layout and the two window states.
#include "ui/msgfolder/MessageFolderWindow.h"

#include "ui/common/HelpContexts.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/WindowHelp.h"
#include "ui/msgfolder/MessageFolderWindowCommands.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace q7582 {

MessageFolderWindow::MessageFolderWindow(DialogProvider& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs),
      help_(new WindowHelp(*this, "HelpAct", [] { return HelpContext::MessageFolderCompiler; }))
{
    setObjectName(QStringLiteral("SDIAppForm"));
    setWindowTitle(tr("Q7582 message folder compiler"));

    auto* titleLabel = new QLabel(tr("Message list title"), this);
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
    messageTable_->setHorizontalHeaderLabels({tr("Msg"), tr("Description")});
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
    folderPanel_ = new QLabel(this);
    folderPanel_->setObjectName(QStringLiteral("FolderPanel"));
    folderPanel_->setMinimumWidth(100);
    statusBar_->addWidget(hintPanel_);
    statusBar_->addWidget(folderPanel_, 1);

    commands_ = std::make_unique<MessageFolderWindowCommands>(*this, help_->keyAction());
    fitHintPanel();
    buildLayout(titleLabel);
    resize(600, 400);
    fitResizableWindow(*this);

    showFolderState();
}

void MessageFolderWindow::buildLayout(QLabel* titleLabel)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->setMenuBar(commands_->menuBar());
    layout->addWidget(commands_->toolBar());
    auto* titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(6, 0, 6, 0);
    titleRow->addWidget(titleLabel);
    titleRow->addWidget(titleEdit_, 1);
    layout->addLayout(titleRow);
    layout->addWidget(messageTable_, 1);
    // Takes the grid's room while the grid is hidden, so the status bar stays at the bottom.
    layout->addStretch();
    layout->addWidget(statusBar_);
}

void MessageFolderWindow::fitHintPanel()
{
    // 200 pixels at the least, and as wide as the longest hint, which is never cut.
    // The tool buttons are searched too: the Close button has a hint of its own.
    int widest = 0;
    const QFontMetrics metrics = hintPanel_->fontMetrics();
    for (const QAction* action : actions())
        widest = std::max(widest, metrics.horizontalAdvance(action->statusTip()));
    for (const QToolButton* button : commands_->toolBar()->findChildren<QToolButton*>())
        widest = std::max(widest, metrics.horizontalAdvance(button->statusTip()));
    const int frame = 2 * (hintPanel_->frameWidth() + hintPanel_->margin()) + 8;
    hintPanel_->setFixedWidth(std::max(200, widest + frame));
}

MessageFolderWindow::~MessageFolderWindow() = default;

void MessageFolderWindow::setHelpHook(std::function<void(int context)> hook) { help_->setOpener(std::move(hook)); }

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
    commands_->showFolderOpen(open);
    messageTable_->setVisible(open);
    folderPanel_->setText(open ? tr("Message folder: %1").arg(folder_.path()) : tr("Message folder: not selected"));
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
