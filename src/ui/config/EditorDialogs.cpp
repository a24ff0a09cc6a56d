#include "ui/config/EditorDialogs.h"

#include "ui/config/DialogAnswers.h"
#include "ui/config/GridRules.h"

#include <QInputDialog>
#include <QMessageBox>

namespace q7582 {

std::optional<QString> QtEditorDialogs::getText(QWidget* parent, const QString& title, const QString& prompt,
                                                const QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

SaveAnswer QtEditorDialogs::askSave(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

void QtEditorDialogs::message(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

std::optional<Answer> askUntilValid(EditorDialogs& dialogs, QWidget* parent, const QString& title,
                                    const QString& prompt, const QString& prefill,
                                    const std::function<std::optional<int>(const QString&)>& accept)
{
    for (;;) {
        const std::optional<QString> text = dialogs.getText(parent, title, prompt, prefill);
        // A pre-filled text can itself be out of bounds (a period after a later start
        // time): cancelling must end the dialog rather than ask forever.
        if (!text)
            return std::nullopt;
        if (const std::optional<int> value = accept(*text))
            return Answer{*value, *text != prefill};
    }
}

std::optional<Answer> askOutputEvent(EditorDialogs& dialogs, QWidget* parent, const QString& boxText)
{
    return askUntilValid(dialogs, parent, QStringLiteral("Change output event"),
                         QStringLiteral("Output event 0...65 (0=None,64=RESET MASTER,65=RESET SYSTEM)"),
                         outputEventPrefill(boxText), acceptOutputEvent);
}

} // namespace q7582
