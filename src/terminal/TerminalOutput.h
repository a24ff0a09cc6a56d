#pragma once
// What a terminal command prints: its results on standard output, what it has to say
// (progress aside) on standard error.

#include <QCoreApplication>
#include <QString>

namespace q7582 {

// What the commands say, in the language the environment asks for (LANGUAGE,
// LC_MESSAGES, ...), as command-line tools do; the site's choice is the window's.
struct TerminalText {
    Q_DECLARE_TR_FUNCTIONS(Terminal)
};

void printResult(const QString& line); // a line on standard output
void say(const QString& line);         // a line on standard error

} // namespace q7582
