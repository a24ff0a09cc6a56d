// MessageFolderWindow: the action handlers.
#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/msgfolder/MessageFolderWindowQuestions.h"

#include <QApplication>
#include <QTableWidget>

namespace q7582 {

namespace {

// The hourglass while a WAV file is copied; restored before any message box.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void MessageFolderWindow::showSystemError(const FileResult& failure)
{
    dialogs_.error(nullptr, QString::fromStdString(failure.error));
}

void MessageFolderWindow::chooseAndOpenFolder()
{
    const QString chosen = dialogs_.getExistingDirectory(this, tr("Message list folder"));
    if (chosen.isEmpty())
        return;
    const FolderChoice choice = messageFolderFor(chosen);
    if (!choice.result.ok) {
        showSystemError(choice.result);
        return;
    }
    folder_.open(choice.folder);
    showFolderState();
    showList(0);

    if (!folder_.listFileExists()) {
        QString title = QStringLiteral("Unknown description");
        editListText(dialogs_, this, title, ListText::Title); // the list is created even after Cancel
        if (const FileResult created = folder_.setTitle(title); !created.ok) {
            showSystemError(created);
            closeFolder();
            return;
        }
    }
    openLoadedFolder();
}

void MessageFolderWindow::openLoadedFolder()
{
    const LoadOutcome loaded = folder_.LoadMessageList();
    if (!loaded.list.ok) {
        // An unreadable list is never replaced by an empty one: the folder stays closed.
        showSystemError(loaded.list);
        closeFolder();
        return;
    }
    showList(0);
    if (!loaded.log.ok)
        showSystemError(loaded.log);
    if (loaded.findings.empty())
        return;
    // OK only goes on here, so Enter does.
    if (loaded.log.ok
        && dialogs_.okCancel(this, tr("Error loading message folder."), tr("Errors found: open the error log?"),
                             EnterMeans::Ok)) {
        if (const FileResult shown = dialogs_.showTextFile(this, folder_.errorLogPath()); !shown.ok)
            showSystemError(shown);
    }
    if (dialogs_.okCancel(this, tr("Error loading message folder."), tr("Save the list with the corrections?"),
                          EnterMeans::Ok)) {
        if (const FileResult saved = folder_.save(); !saved.ok)
            showSystemError(saved);
    }
}

void MessageFolderWindow::closeFolder()
{
    folder_.close();
    showFolderState();
    showList(0);
}

void MessageFolderWindow::addMessageFromFile()
{
    const QString source =
        dialogs_.getOpenFileName(this, tr("Open wave files"), QString(), tr("wave files (*.wav *.WAV)"));
    if (source.isEmpty())
        return;
    const std::optional<QString> number =
        askMessageNumber(dialogs_, this, tr("Add message to list"), [this](const QString& n) {
            return folder_.list().contains(n) ? tr("Message %1 is already in the list.").arg(n) : QString();
        });
    if (!number)
        return;

    AddOutcome added;
    {
        WaitCursor wait;
        added = folder_.addMessage(source, *number);
    }
    showList(added.row >= 0 ? added.row : currentRow());
    if (!added.copy.ok)
        showSystemError(added.copy);
    else if (!added.save.ok)
        showSystemError(added.save);
}

void MessageFolderWindow::deleteSelectedMessage()
{
    const int row = currentRow();
    if (row < 0 || folder_.list().rows.empty())
        return;
    // The question names the row, so that a wrong current row is seen before its file goes.
    const QString question = tr("ARE YOU SURE ?") + u'\n' + entryCaption(folder_.list().rows[row]);
    if (!dialogs_.okCancel(this, tr("Remove file from Message List"), question))
        return;
    const FileResult deleted = folder_.deleteMessage(row);
    showList(row);
    if (!deleted.ok)
        showSystemError(deleted);
}

void MessageFolderWindow::changeTitle()
{
    QString title = folder_.list().title;
    if (!editListText(dialogs_, this, title, ListText::Title))
        return;
    const FileResult saved = folder_.setTitle(title);
    showList(currentRow());
    if (!saved.ok)
        showSystemError(saved);
}

bool MessageFolderWindow::listIsEmptyStops()
{
    if (!folder_.list().rows.empty())
        return false;
    // An OK/Cancel box without icon; either button just closes it.
    dialogs_.confirm(this, tr("Find file"), tr("LIST IS EMPTY"), QMessageBox::NoIcon, EnterMeans::Cancel);
    return true;
}

void MessageFolderWindow::findMessage()
{
    if (listIsEmptyStops())
        return;
    const std::optional<QString> number =
        askMessageNumber(dialogs_, this, tr("Find message in list"), [this](const QString& n) {
            return folder_.list().indexOf(n) < 0 ? tr("Message %1 is not in the list.").arg(n) : QString();
        });
    if (number)
        messageTable_->selectRow(folder_.list().indexOf(*number));
}

void MessageFolderWindow::changeDescription()
{
    if (listIsEmptyStops())
        return;
    const int row = currentRow();
    if (row < 0)
        return;
    QString description = folder_.list().rows[row].description;
    if (!editListText(dialogs_, this, description, ListText::Description))
        return;
    const FileResult saved = folder_.setDescription(row, description);
    showList(row);
    if (!saved.ok)
        showSystemError(saved);
}

void MessageFolderWindow::exitWindow() { close(); }

} // namespace q7582
