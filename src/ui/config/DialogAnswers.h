#pragma once
// Which answers the editor's input dialogs accept. Every character must be a decimal
// digit; an empty answer counts as 0. Long digit runs do not overflow.

#include <QString>

#include <optional>

namespace q7582 {

// The value of an all-digit text no larger than max; nothing otherwise.
std::optional<int> digitsValue(const QString& text, int max);

std::optional<int> acceptPriority(const QString& text);      // 1..7
std::optional<int> acceptMessageNumber(const QString& text); // 0..127
std::optional<int> acceptOutputEvent(const QString& text);   // 0..65
// 0 (not periodic) or 10..upper
std::optional<int> acceptPeriod(const QString& text, int upper);

// Why an entry was refused, for the line under the prompt: "'7a' is not a whole
// number.", "66 is more than 65.".
QString numberRefusal(const QString& text, int lowest, int highest);
// The same for a period, which may also be 0, and whose upper bound is lower than the
// prompt says when the event starts after midday.
QString periodRefusal(const QString& text, int upper);

} // namespace q7582
