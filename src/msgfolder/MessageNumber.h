#pragma once
// Message numbers 1..127 and their three-digit text form "001".."127",
// used both as WAV file name and as list key.

#include <QString>

#include <optional>

namespace q7582 {

inline constexpr int FirstMessage = 1;
inline constexpr int LastMessage = 127;

// The number of a name made of exactly three decimal digits in 001..127; none otherwise.
std::optional<int> messageNumberOf(const QString& name);

// "001".."127".
QString messageName(int number);

} // namespace q7582
