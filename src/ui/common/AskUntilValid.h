#pragma once
// The one-line input dialog shown again until its answer is accepted, saying why.

#include "ui/common/DialogProvider.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace q7582 {

// Why an entry was refused, as the line shown under the prompt when the dialog comes back.
using RefusalReason = std::function<QString(const QString& entry)>;

// Shows the dialog, starting each time from `prefill`, until `accept` turns the entry
// into a value (an std::optional). Cancel gives nothing, even when the pre-filled text
// itself would not be accepted: the dialog must not ask forever. After a refused entry
// the unchanged prompt gains the line `why` gives for it, unless that is empty.
template <typename Accept>
auto askUntilValid(DialogProvider& dialogs, QWidget* parent, const QString& caption, const QString& prompt,
                   const QString& prefill, Accept accept, const RefusalReason& why) -> decltype(accept(QString()))
{
    QString shownPrompt = prompt;
    for (;;) {
        const std::optional<QString> text = dialogs.getText(parent, caption, shownPrompt, prefill);
        if (!text)
            return std::nullopt;
        if (auto value = accept(*text))
            return value;
        const QString line = why(*text);
        shownPrompt = line.isEmpty() ? prompt : prompt + u'\n' + line;
    }
}

// Reason lines shared by the number dialogs.
inline QString notAWholeNumber(const QString& entry)
{
    return QCoreApplication::translate("AskUntilValid", "'%1' is not a whole number.").arg(entry);
}
inline QString numberTooSmall(const QString& entry, int lowest)
{
    return QCoreApplication::translate("AskUntilValid", "%1 is less than %2.").arg(entry).arg(lowest);
}
inline QString numberTooLarge(const QString& entry, int highest)
{
    return QCoreApplication::translate("AskUntilValid", "%1 is more than %2.").arg(entry).arg(highest);
}

} // namespace q7582
