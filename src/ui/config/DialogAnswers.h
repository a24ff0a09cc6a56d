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

} // namespace q7582
