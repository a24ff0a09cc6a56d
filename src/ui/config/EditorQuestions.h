#pragma once
// The editor's number dialogs: the accepted value and whether the entry changed it.

#include "ui/common/AskUntilValid.h"

#include <functional>
#include <optional>

namespace q7582 {

// An accepted answer and whether its text differs from the pre-filled one (which is
// what marks the configuration modified, even for "007" against "7").
struct Answer {
    int value = 0;
    bool changed = false;
};

// Asks until `accept` takes the answer, saying under the prompt why the last one was
// refused. Cancel keeps the value as it was: nothing.
using AcceptNumber = std::function<std::optional<int>(const QString&)>;
std::optional<Answer> askNumber(DialogProvider& dialogs, QWidget* parent, const QString& title, const QString& prompt,
                                const QString& prefill, const AcceptNumber& accept, const RefusalReason& why);

// The output event dialog of the grid pages and the timer page, from the box text.
std::optional<Answer> askOutputEvent(DialogProvider& dialogs, QWidget* parent, const QString& boxText);

} // namespace q7582
