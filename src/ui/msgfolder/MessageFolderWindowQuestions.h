#pragma once
// The compiler window's questions, asked through the shared dialogs.

#include "ui/common/DialogProvider.h"

#include <functional>
#include <optional>

namespace q7582 {

enum class ListText { Title, Description };
inline constexpr int ListTitleLimit = 100;
inline constexpr int DescriptionLimit = 50;

// The "Edit text box" dialog, asked until the text fits; `text` holds the accepted
// text, or the old one on Cancel.
bool editListText(DialogProvider& dialogs, QWidget* parent, QString& text, ListText which);

// "001".."127", or none on Cancel or after an entry that is not a whole number (which
// is reported under the parent's title). `unusable` says why a number in range cannot be
// taken, empty when it can; such a number, or one out of range, brings the dialog back
// with the reason under its prompt.
using NumberCheck = std::function<QString(const QString& number)>;
std::optional<QString> askMessageNumber(DialogProvider& dialogs, QWidget* parent, const QString& caption,
                                        const NumberCheck& unusable);

} // namespace q7582
