// TSDIAppForm: the shared dialogs and the action handlers.
#include "msgfolder/SDIMAIN.h"

#include <QApplication>
#include <QTableWidget>

namespace q7582 {

namespace {

const QString LoadCaption = QStringLiteral("Error loading message folder.");

// The hourglass while a WAV file is copied; restored before any message box.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

bool TSDIAppForm::EditText(QString& text, TextKind which)
{
    const bool title = which == TextKind::Title;
    const QString prompt = title
                               ? QStringLiteral("Enter a title for the message list (max.100 char.)")
                               : QStringLiteral("Enter a description of the message file (max. 50 char.)");
    const int limit = title ? TitleLimit : DescriptionLimit;
    for (;;) {
        const std::optional<QString> answer =
            dialogs_->askText(this, QStringLiteral("Edit text box"), prompt, text);
        if (!answer)
            return false;
        if (answer->size() <= limit) {
            text = *answer;
            return true;
        }
    }
}

std::optional<QString> TSDIAppForm::AskMessageNumber(const QString& caption)
{
    for (;;) {
        const std::optional<QString> answer = dialogs_->askText(
            this, caption, QStringLiteral("Enter a message number (1..127)"), QStringLiteral("1"));
        if (!answer)
            return std::nullopt;
        bool whole = false;
        const int number = answer->trimmed().toInt(&whole);
        if (!whole) {
            dialogs_->inform(this, windowTitle(),
                             QStringLiteral("'%1' is not a valid integer value").arg(*answer),
                             QMessageBox::Critical);
            return std::nullopt;
        }
        if (number >= FirstMessage && number <= LastMessage)
            return messageName(number);
    }
}

void TSDIAppForm::ShowSystemError(const FileResult& failure)
{
    dialogs_->inform(nullptr, QStringLiteral("Errore"), QString::fromStdString(failure.error),
                     QMessageBox::Information);
}

void TSDIAppForm::MsgFolderExecute()
{
    const std::optional<QString> chosen =
        dialogs_->chooseFolder(this, QStringLiteral("Message list folder"));
    if (!chosen)
        return;
    const FolderChoice choice = messageFolderFor(*chosen);
    if (!choice.result.ok) {
        ShowSystemError(choice.result);
        return;
    }
    folder_.open(choice.folder);
    showFolderState();
    showList(0);

    if (!folder_.listFileExists()) {
        QString title = QStringLiteral("Unknown description");
        EditText(title, TextKind::Title); // the list is created even after Cancel
        if (const FileResult created = folder_.setTitle(title); !created.ok) {
            ShowSystemError(created);
            CloseFolderExecute();
            return;
        }
    }
    openLoadedFolder();
}

void TSDIAppForm::openLoadedFolder()
{
    const LoadOutcome loaded = folder_.LoadMessageList();
    if (!loaded.list.ok) {
        // An unreadable list is never replaced by an empty one: the folder stays closed.
        ShowSystemError(loaded.list);
        CloseFolderExecute();
        return;
    }
    showList(0);
    if (!loaded.log.ok)
        ShowSystemError(loaded.log);
    if (loaded.findings.empty())
        return;
    if (loaded.log.ok
        && dialogs_->confirm(this, LoadCaption, QStringLiteral("Errors found: open the error log?"),
                             QMessageBox::Warning)) {
        if (const FileResult shown = dialogs_->showTextFile(this, folder_.errorLogPath()); !shown.ok)
            ShowSystemError(shown);
    }
    if (dialogs_->confirm(this, LoadCaption, QStringLiteral("Save the list with the corrections?"),
                          QMessageBox::Warning)) {
        if (const FileResult saved = folder_.save(); !saved.ok)
            ShowSystemError(saved);
    }
}

void TSDIAppForm::CloseFolderExecute()
{
    folder_.close();
    showFolderState();
    showList(0);
}

void TSDIAppForm::AddMsgExecute()
{
    const std::optional<QString> source = dialogs_->chooseFile(
        this, QStringLiteral("Open wave files"), QStringLiteral("wave files (*.wav *.WAV)"));
    if (!source)
        return;
    std::optional<QString> number;
    do {
        number = AskMessageNumber(QStringLiteral("Add message to list"));
        if (!number)
            return;
    } while (folder_.list().contains(*number));

    AddOutcome added;
    {
        WaitCursor wait;
        added = folder_.addMessage(*source, *number);
    }
    showList(added.row >= 0 ? added.row : currentRow());
    if (!added.copy.ok)
        ShowSystemError(added.copy);
    else if (!added.save.ok)
        ShowSystemError(added.save);
}

void TSDIAppForm::DeleteMsgExecute()
{
    const int row = currentRow();
    if (row < 0 || folder_.list().rows.empty())
        return;
    if (!dialogs_->confirm(this, QStringLiteral("Remove file from Message List"),
                           QStringLiteral("ARE YOU SURE ?"), QMessageBox::Warning))
        return;
    const FileResult deleted = folder_.deleteMessage(row);
    showList(row);
    if (!deleted.ok)
        ShowSystemError(deleted);
}

void TSDIAppForm::ChgTitleExecute()
{
    QString title = folder_.list().title;
    if (!EditText(title, TextKind::Title))
        return;
    const FileResult saved = folder_.setTitle(title);
    showList(currentRow());
    if (!saved.ok)
        ShowSystemError(saved);
}

bool TSDIAppForm::listIsEmptyStops()
{
    if (!folder_.list().rows.empty())
        return false;
    dialogs_->confirm(this, QStringLiteral("Find file"), QStringLiteral("LIST IS EMPTY"),
                      QMessageBox::NoIcon);
    return true;
}

void TSDIAppForm::FileFndExecute()
{
    if (listIsEmptyStops())
        return;
    while (const std::optional<QString> number =
               AskMessageNumber(QStringLiteral("Find message in list"))) {
        if (const int row = folder_.list().indexOf(*number); row >= 0) {
            Lista->selectRow(row);
            return;
        }
    }
}

void TSDIAppForm::ChgFileExecute()
{
    if (listIsEmptyStops())
        return;
    const int row = currentRow();
    if (row < 0)
        return;
    QString description = folder_.list().rows[row].description;
    if (!EditText(description, TextKind::Description))
        return;
    const FileResult saved = folder_.setDescription(row, description);
    showList(row);
    if (!saved.ok)
        ShowSystemError(saved);
}

void TSDIAppForm::HelpActExecute()
{
    if (openHelp)
        openHelp(HelpContext);
}

void TSDIAppForm::ExitActExecute()
{
    close();
}

} // namespace q7582
