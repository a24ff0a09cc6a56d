#pragma once
// What a terminal command prints: its results on standard output, what it has to say
// (progress aside) on standard error.

#include <QString>

namespace q7582 {

void printResult(const QString& line); // a line on standard output
void say(const QString& line);         // a line on standard error

} // namespace q7582
