#pragma once
// The command line of the manager and of the simulator. Parsing writes no file and
// opens no window: --help, --version and bad usage are answered with texts and an exit
// status for the caller to print and return.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace q7582 {

// Exit status of bad usage (an unknown option, a bad value, a stray argument).
inline constexpr int UsageExitCode = 2;

struct CommandLineAnswer {
    std::optional<int> exitCode; // set: the program prints the texts and exits with it
    QString out;                 // for standard output
    QString err;                 // for standard error
};

// The program's arguments, its name first, each decoded by fileNameFromPath, so that a
// file operand keeps its bytes: QCoreApplication::arguments() turns bytes that are not
// UTF-8 into U+FFFD, which names another file.
QStringList commandLineArguments(int argc, char** argv);

// Parses arguments (the program's name first) with the parser's options plus --help
// and --version. An answer without exitCode means: run, reading the parser's values.
CommandLineAnswer parseCommandLine(QCommandLineParser& parser, const QStringList& arguments);

// Bad usage: the message, then the usage, for standard error.
CommandLineAnswer usageError(const QCommandLineParser& parser, const QString& message);

// Writes the answer's texts to standard output and standard error.
void printAnswer(const CommandLineAnswer& answer);

// The commands run from a terminal instead of the window, and their exit statuses.
namespace TerminalCommand {
inline const QString Upload = QStringLiteral("upload");
inline const QString Download = QStringLiteral("download");
inline const QString Status = QStringLiteral("status");
inline const QString History = QStringLiteral("history");
inline const QString Sites = QStringLiteral("sites");
inline const QString Record = QStringLiteral("record");
inline const QString Events = QStringLiteral("events");
} // namespace TerminalCommand

namespace TerminalExit {
inline constexpr int Done = 0;
inline constexpr int TransferFailed = 1;
inline constexpr int BadUsageOrFile = UsageExitCode;
inline constexpr int NoDevice = 3; // no master in time, the device in use, another master, the folder in use
} // namespace TerminalExit

// The manager's options.
struct ManagerOptions {
    bool verbose = false;     // switches the q7582.* logging categories on
    QStringList compareFiles; // --compare FROM TO: the two .cfi files, no window

    QString command;                   // a TerminalCommand; empty: the window
    QString windowFile;                // qs7582 FILE.cfi: the window opens it at start
    QString file;                      // download FILE
    QString output;                    // upload -o FILE, record -o FILE
    std::optional<qint64> recordForMs; // record --for DURATION
    std::optional<int> master;         // download --master N
    bool force = false;                // download --force
    bool dryRun = false;               // download --dry-run: the differences only, nothing written
    QStringList siteFolders;           // -C DIR, each from the one before, as given
    QString siteFolder;                // the folder -C entered, made absolute; empty: none given
    int waitSeconds = 10;              // --wait SEC: how long a command waits for a master
    bool lastSite = false;             // --last-site: the window opens the site used last (the menu entry)
    bool csv = false;                  // events --csv
    std::optional<qint64> fromMs;      // events --from TIME, ms since the epoch
    std::optional<qint64> toMs;        // events --to TIME
};

// "90", "90s", "15m", "2h", "1d", "1h30m": milliseconds, or nothing for anything else.
std::optional<qint64> parseDuration(const QString& text);

// Parses the manager's command line; an answer with exitCode ends the program.
CommandLineAnswer parseManagerCommandLine(const QStringList& arguments, ManagerOptions& options);

// Enters each -C folder in turn (relative to the one before, as git -C does) and sets
// options.siteFolder; a folder that is missing, not a folder or unreadable is bad usage,
// with the reason, and leaves the working folder as it was.
CommandLineAnswer enterSiteFolders(ManagerOptions& options);

// For main(), before anything else: parses argv under a short-lived QCoreApplication
// (no display needed), prints any answer and returns its exit status; otherwise applies
// the options (--verbose switches the logging categories on, -C changes the working
// folder), fills options and returns nothing.
std::optional<int> readManagerCommandLine(int argc, char** argv, ManagerOptions& options);

} // namespace q7582
