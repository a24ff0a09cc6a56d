#include "ui/config/EditorQuestions.h"

#include "ui/config/DialogAnswers.h"
#include "ui/config/GridRules.h"

#include <QCoreApplication>

namespace q7582 {

std::optional<Answer> askNumber(DialogProvider& dialogs, QWidget* parent, const QString& title, const QString& prompt,
                                const QString& prefill, const AcceptNumber& accept, const RefusalReason& why)
{
    return askUntilValid(
        dialogs, parent, title, prompt, prefill,
        [&](const QString& text) -> std::optional<Answer> {
            if (const std::optional<int> value = accept(text))
                return Answer{*value, text != prefill};
            return std::nullopt;
        },
        why);
}

std::optional<Answer> askOutputEvent(DialogProvider& dialogs, QWidget* parent, const QString& boxText)
{
    return askNumber(
        dialogs, parent, QCoreApplication::translate("EditorQuestions", "Change output event"),
        QCoreApplication::translate("EditorQuestions", "Output event 0...65 (0=None,64=RESET MASTER,65=RESET SYSTEM)"),
        outputEventPrefill(boxText), acceptOutputEvent, [](const QString& text) { return numberRefusal(text, 0, 65); });
}

} // namespace q7582
