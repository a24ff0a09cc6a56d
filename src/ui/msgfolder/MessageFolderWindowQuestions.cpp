#include "ui/msgfolder/MessageFolderWindowQuestions.h"

#include "msgfolder/MessageNumber.h"
#include "ui/common/AskUntilValid.h"

#include <QCoreApplication>

namespace q7582 {

namespace {
struct Questions {
    Q_DECLARE_TR_FUNCTIONS(MessageFolderWindowQuestions)
};
} // namespace

bool editListText(DialogProvider& dialogs, QWidget* parent, QString& text, ListText which)
{
    const bool title = which == ListText::Title;
    const QString prompt = title ? Questions::tr("Enter a title for the message list (max.100 char.)")
                                 : Questions::tr("Enter a description of the message file (max. 50 char.)");
    const int limit = title ? ListTitleLimit : DescriptionLimit;
    const QString what = title ? Questions::tr("title") : Questions::tr("description");
    const std::optional<QString> answer = askUntilValid(
        dialogs, parent, Questions::tr("Edit text box"), prompt, text,
        [limit](const QString& entry) { return entry.size() <= limit ? std::optional(entry) : std::nullopt; },
        [&](const QString& entry) { return Questions::tr("The %1 has %2 characters.").arg(what).arg(entry.size()); });
    if (answer)
        text = *answer;
    return answer.has_value();
}

std::optional<QString> askMessageNumber(DialogProvider& dialogs, QWidget* parent, const QString& caption,
                                        const NumberCheck& unusable)
{
    // An accepted entry holds the number, or nothing when it was not a whole number:
    // that ends the action rather than asking again.
    using Entry = std::optional<QString>;
    const std::optional<Entry> accepted = askUntilValid(
        dialogs, parent, caption, Questions::tr("Enter a message number (1..127)"), QStringLiteral("1"),
        [&](const QString& entry) -> std::optional<Entry> {
            bool whole = false;
            const int number = entry.trimmed().toInt(&whole);
            if (!whole) {
                dialogs.message(parent, parent->windowTitle(),
                                Questions::tr("'%1' is not a valid integer value").arg(entry), QMessageBox::Critical);
                return std::make_optional(Entry());
            }
            if (number >= FirstMessage && number <= LastMessage && unusable(messageName(number)).isEmpty())
                return std::make_optional(Entry(messageName(number)));
            return std::nullopt;
        },
        [&](const QString& entry) { // a whole number: any other ended the action
            const int number = entry.trimmed().toInt();
            if (number < FirstMessage)
                return numberTooSmall(entry.trimmed(), FirstMessage);
            if (number > LastMessage)
                return numberTooLarge(entry.trimmed(), LastMessage);
            return unusable(messageName(number));
        });
    return accepted.value_or(std::nullopt);
}

} // namespace q7582
