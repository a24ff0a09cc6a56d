#pragma once
// The one-line input dialog shown again until its answer is accepted.

#include "ui/common/DialogProvider.h"

#include <optional>

namespace q7582 {

// Shows the dialog, starting each time from `prefill`, until `accept` turns the entry
// into a value (an std::optional). Cancel gives nothing, even when the pre-filled text
// itself would not be accepted: the dialog must not ask forever. After a refused entry
// the prompt gains `refusedLine`, when there is one, to say why it came back.
template <typename Accept>
auto askUntilValid(DialogProvider& dialogs, QWidget* parent, const QString& caption, const QString& prompt,
                   const QString& prefill, Accept accept, const QString& refusedLine = QString())
    -> decltype(accept(QString()))
{
    QString shownPrompt = prompt;
    for (;;) {
        const std::optional<QString> text = dialogs.getText(parent, caption, shownPrompt, prefill);
        if (!text)
            return std::nullopt;
        if (auto value = accept(*text))
            return value;
        if (!refusedLine.isEmpty())
            shownPrompt = prompt + u'\n' + refusedLine;
    }
}

} // namespace q7582
