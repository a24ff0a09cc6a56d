#include "app/CommandLine.h"

#include "app/InterfaceLanguage.h"
#include "model/FileIo.h"
#include "model/FilePath.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace q7582 {

namespace {

// What a person reads at the terminal; the option names and values stay as typed.
struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// QApplication's own options (-style Fusion, -platform offscreen, ...) keep working:
// accepted here unseen, and left in argv for QApplication to take.
void acceptQtGuiOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto hidden = [&parser](const char* name, const char* value) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QString::fromLatin1(value));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowicon",
          "icon", "qwindowtitle", "title", "session", "display", "name", "style", "stylesheet", "qmljsdebugger"})
        hidden(name, "value");
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb"})
        hidden(name, "");
}

} // namespace

QStringList commandLineArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromPath(argv[i]);
    return arguments;
}

CommandLineAnswer parseCommandLine(QCommandLineParser& parser, const QStringList& arguments)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments))
        return usageError(parser, parser.errorText());
    // --help-all, which the help option brings along, must not start the program either.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {0, parser.helpText(), {}};
    if (parser.isSet(version))
        return {0,
                QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                    + QLatin1Char('\n'),
                {}};
    return {};
}

CommandLineAnswer usageError(const QCommandLineParser& parser, const QString& message)
{
    return {UsageExitCode,
            {},
            QCoreApplication::applicationName() + QStringLiteral(": ") + message + QStringLiteral("\n\n")
                + parser.helpText()};
}

void printAnswer(const CommandLineAnswer& answer)
{
    std::fputs(answer.out.toLocal8Bit().constData(), stdout);
    std::fputs(answer.err.toLocal8Bit().constData(), stderr);
}

namespace {

QString managerDescription()
{
    return CommandLineText::tr(
        "Shows and changes the live state of a Q7582 master or RKDV7582 message generator over USB,\n"
        "reads and writes the master's configuration and keeps it in .cfi files.\n"
        "The manager keeps its settings, name files and history in the folder it is started from:\n"
        "that folder is the site (one installation); -C DIR starts in DIR instead, as git -C does.\n"
        "Q7582_PORT=PATH uses that serial device (or the simulator's link) instead of libftdi.\n"
        "\n"
        "Commands, run without a window in the site they start in, under the same lock as the window:\n"
        "  upload [-o FILE]       read the master's configuration into the history (history/) and FILE\n"
        "  download FILE          write FILE (32768 bytes) to the master; --master N refuses another\n"
        "                         address; a history entry of another master, or a file of another\n"
        "                         site, needs --force\n"
        "  download FILE --dry-run  print what the Download would change on the master, write nothing:\n"
        "                         status 0 no difference, 1 some, 2 what the master holds is unknown\n"
        "  status                 print the status report, as \"Report\" > \"Status\" shows it\n"
        "  history                list the history, newest first, one entry a line\n"
        "  sites                  list the known sites: name, folder, masters kept, newest entry\n"
        "  record [-o FILE] [--for DURATION]  record every status read, the connection's changes and\n"
        "                         what this program writes into FILE (recordings/<date-time>.q7582rec),\n"
        "                         until DURATION (90s, 15m, 2h, 1d) has passed or Ctrl-C; status 1 when\n"
        "                         writing failed (disk full), the file then holds what came before\n"
        "  events RECORDING       list the changes of a recording (time, group, what, from, to);\n"
        "                         --csv as CSV, --from and --to TIME (ISO 8601, local time unless\n"
        "                         it ends in Z or an offset) limit the span; needs no master\n"
        "A FILE.cfi instead of a command opens that file in the window, as \"Config\" > \"Open\" does;\n"
        "a RECORDING.q7582rec opens its timeline, as \"Report\" > \"Timeline...\" does.\n"
        "Each waits up to --wait seconds for a master. Exit status: 0 done, 1 the transfer failed,\n"
        "2 bad usage, a bad file or site folder, 3 no master, the device or the folder in use, another\n"
        "master or another site's configuration.");
}

const QString Commands[] = {TerminalCommand::Upload,  TerminalCommand::Download, TerminalCommand::Status,
                            TerminalCommand::History, TerminalCommand::Sites,    TerminalCommand::Record,
                            TerminalCommand::Events};

// The options of the commands, each for the commands it is named with.
struct CommandOptions {
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              CommandLineText::tr("upload: also write the configuration into FILE; record: record "
                                                  "into FILE."),
                              QStringLiteral("FILE")};
    QCommandLineOption master{QStringLiteral("master"),
                              CommandLineText::tr("download: refuse a master with another address than N (0..5)."),
                              QStringLiteral("N")};
    QCommandLineOption force{QStringLiteral("force"),
                             CommandLineText::tr("download: write a history entry of another master, or a file of "
                                                 "another site, all the same.")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              CommandLineText::tr("download: print the differences from what the master holds (its "
                                                  "newest complete history entry) and write nothing.")};
    QCommandLineOption recordFor{
        QStringLiteral("for"),
        CommandLineText::tr("record: stop after DURATION (90s, 15m, 2h, 1d; seconds without a unit)."),
        QStringLiteral("DURATION")};
    QCommandLineOption wait{QStringLiteral("wait"),
                            CommandLineText::tr("How many seconds a command waits for a master (default 10)."),
                            QStringLiteral("SEC"), QStringLiteral("10")};

    QCommandLineOption csv{QStringLiteral("csv"), CommandLineText::tr("events: print CSV, a column per field.")};
    QCommandLineOption from{QStringLiteral("from"), CommandLineText::tr("events: from TIME on (ISO 8601)."),
                            QStringLiteral("TIME")};
    QCommandLineOption to{QStringLiteral("to"), CommandLineText::tr("events: up to TIME (ISO 8601)."),
                          QStringLiteral("TIME")};

    void addTo(QCommandLineParser& parser) const
    {
        parser.addOptions({output, master, force, dryRun, recordFor, wait, csv, from, to});
    }
};

// The command's own arguments and options; an error text for bad usage.
QString readCommand(const QCommandLineParser& parser, const CommandOptions& o, ManagerOptions& options)
{
    QStringList words = parser.positionalArguments();
    options.command = words.takeFirst();
    if (std::find(std::begin(Commands), std::end(Commands), options.command) == std::end(Commands))
        return CommandLineText::tr("unknown command \"%1\"").arg(options.command);
    const bool download = options.command == TerminalCommand::Download;
    const bool events = options.command == TerminalCommand::Events;
    if ((download || events) != (words.size() == 1))
        return download ? CommandLineText::tr("download wants one FILE")
               : events ? CommandLineText::tr("events wants one RECORDING")
                        : CommandLineText::tr("unexpected argument \"%1\"").arg(words.first());
    if (download || events)
        options.file = words.first();
    if ((parser.isSet(o.csv) || parser.isSet(o.from) || parser.isSet(o.to)) && !events)
        return CommandLineText::tr("--csv, --from and --to are options of events");
    options.csv = parser.isSet(o.csv);
    for (auto [option, ms] : {std::pair(&o.from, &options.fromMs), std::pair(&o.to, &options.toMs)}) {
        if (!parser.isSet(*option))
            continue;
        const QDateTime t = QDateTime::fromString(parser.value(*option), Qt::ISODateWithMs);
        if (!t.isValid())
            return CommandLineText::tr("--%1 wants a time such as 2026-12-08T03:45:00").arg(option->names().first());
        *ms = t.toMSecsSinceEpoch();
    }
    const bool record = options.command == TerminalCommand::Record;
    if (parser.isSet(o.output) && options.command != TerminalCommand::Upload && !record)
        return CommandLineText::tr("-o is an option of upload and record");
    if (parser.isSet(o.recordFor)) {
        if (!record)
            return CommandLineText::tr("--for is an option of record");
        options.recordForMs = parseDuration(parser.value(o.recordFor));
        if (!options.recordForMs)
            return CommandLineText::tr("--for wants a duration such as 90s, 15m, 2h or 1d");
    }
    if ((parser.isSet(o.master) || parser.isSet(o.force) || parser.isSet(o.dryRun)) && !download)
        return CommandLineText::tr("--master, --force and --dry-run are options of download");
    options.output = parser.value(o.output);
    options.force = parser.isSet(o.force);
    options.dryRun = parser.isSet(o.dryRun);
    bool ok = true;
    if (parser.isSet(o.master)) {
        options.master = parser.value(o.master).toInt(&ok);
        if (!ok || *options.master < 0 || *options.master > 5)
            return CommandLineText::tr("--master wants a number 0..5");
    }
    options.waitSeconds = parser.value(o.wait).toInt(&ok);
    if (!ok || options.waitSeconds < 0 || options.waitSeconds > 3600)
        return CommandLineText::tr("--wait wants a number of seconds 0..3600");
    return {};
}

// A lone operand that is no command names a file for the window when it looks like one
// (a ".cfi" or ".q7582rec" name, a path) or is there; a mistyped command stays bad usage.
bool namesWindowFile(const QString& word)
{
    if (std::find(std::begin(Commands), std::end(Commands), word) != std::end(Commands))
        return false;
    return word.endsWith(QStringLiteral(".cfi"), Qt::CaseInsensitive)
           || word.endsWith(QStringLiteral(".q7582rec"), Qt::CaseInsensitive) || word.contains(QLatin1Char('/'))
           || fileExists(filePath(word));
}

} // namespace

std::optional<qint64> parseDuration(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(?:(\\d+)d)?(?:(\\d+)h)?(?:(\\d+)m)?(?:(\\d+)s?)?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (text.isEmpty() || !match.hasMatch() || text.size() > 16)
        return std::nullopt;
    qint64 ms = 0;
    const qint64 unitMs[] = {86'400'000, 3'600'000, 60'000, 1'000};
    for (int i = 0; i < 4; ++i)
        ms += match.captured(i + 1).toLongLong() * unitMs[i];
    if (ms <= 0)
        return std::nullopt;
    return ms;
}

CommandLineAnswer parseManagerCommandLine(const QStringList& arguments, ManagerOptions& options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(managerDescription());
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     CommandLineText::tr("Log the device link and file writes on standard error "
                                                         "(the q7582.* logging categories)."));
    parser.addOption(verbose);
    const QCommandLineOption compare(
        QStringLiteral("compare"),
        CommandLineText::tr("Print the differences between two .cfi files given after the options (FROM TO) and exit\n"
                            "without a window: status 0 when they are the same, 1 when they differ, 2 on an error."));
    parser.addOption(compare);
    const QCommandLineOption site(QStringLiteral("C"),
                                  CommandLineText::tr("Work in the site folder DIR, as if started there; it becomes a "
                                                      "known site."),
                                  QStringLiteral("DIR"));
    parser.addOption(site);
    const QCommandLineOption lastSite(QStringLiteral("last-site"),
                                      CommandLineText::tr("Open the window in the site used last (asking for a first "
                                                          "site's name when there is none), as the menu entry does."));
    parser.addOption(lastSite);
    const CommandOptions commandOptions;
    commandOptions.addTo(parser);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        CommandLineText::tr(
            "upload, download FILE, status, history, sites, record or events RECORDING (see above), or a "
            ".cfi FILE to open in the window."),
        CommandLineText::tr("[command | FILE]"));
    acceptQtGuiOptions(parser);
    CommandLineAnswer answer = parseCommandLine(parser, arguments);
    if (answer.exitCode)
        return answer;
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(compare) && files.size() != 2)
        return usageError(parser, CommandLineText::tr("--compare wants two files, FROM and TO"));
    options.verbose = parser.isSet(verbose);
    options.siteFolders = parser.values(site);
    options.lastSite = parser.isSet(lastSite);
    if (options.lastSite && !options.siteFolders.isEmpty())
        return usageError(parser, CommandLineText::tr("--last-site and -C name two sites"));
    if (parser.isSet(compare)) {
        options.compareFiles = files;
        return answer;
    }
    if (files.size() == 1 && namesWindowFile(files.first()))
        options.windowFile = files.first();
    else if (!files.isEmpty()) {
        if (const QString error = readCommand(parser, commandOptions, options); !error.isEmpty())
            return usageError(parser, error);
        if (options.lastSite)
            return usageError(parser, CommandLineText::tr("--last-site is for the window"));
        return answer;
    }
    for (const QCommandLineOption& o :
         {commandOptions.output, commandOptions.master, commandOptions.force, commandOptions.dryRun,
          commandOptions.recordFor, commandOptions.wait, commandOptions.csv, commandOptions.from, commandOptions.to})
        if (parser.isSet(o))
            return usageError(parser, CommandLineText::tr("--%1 goes with a command").arg(o.names().last()));
    return answer;
}

namespace {

// Why the working folder cannot be a site: its files could be neither listed nor read.
QString unreadableFolder()
{
    DIR* listing = ::opendir(".");
    if (!listing)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::closedir(listing);
    return {};
}

} // namespace

CommandLineAnswer enterSiteFolders(ManagerOptions& options)
{
    if (options.siteFolders.isEmpty())
        return {};
    const int start = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QString problem;
    QString failed;
    for (const QString& folder : options.siteFolders) {
        if (::chdir(filePath(folder).c_str()) != 0)
            problem = QString::fromLocal8Bit(std::strerror(errno));
        else
            problem = unreadableFolder();
        if (!problem.isEmpty()) {
            failed = folder;
            break;
        }
    }
    if (problem.isEmpty()) {
        char* here = ::getcwd(nullptr, 0);
        options.siteFolder = here ? fileNameFromPath(here) : options.siteFolders.last();
        std::free(here);
    } else if (start >= 0) {
        (void)!::fchdir(start); // where it started, so that nothing happens in a folder half-way
    }
    if (start >= 0)
        ::close(start);
    if (problem.isEmpty())
        return {};
    return {UsageExitCode,
            {},
            QCoreApplication::applicationName()
                + CommandLineText::tr(": cannot work in the site folder %1: %2\n").arg(failed, problem)};
}

std::optional<int> readManagerCommandLine(int argc, char** argv, ManagerOptions& options)
{
    CommandLineAnswer answer;
    {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("qs7582"));
        QCoreApplication::setApplicationVersion(QStringLiteral(Q7582_VERSION));
        useInterfaceLanguage(isItalian(LanguageChoice::Automatic)); // as command-line tools: the environment's
        answer = parseManagerCommandLine(commandLineArguments(argc, argv), options);
        if (!answer.exitCode) // before any file of the site is read or written
            answer = enterSiteFolders(options);
        useInterfaceLanguage(false); // the translators leave with this application object
    }
    printAnswer(answer);
    if (answer.exitCode)
        return answer.exitCode;
    if (options.verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("q7582.*=true"));
    return std::nullopt;
}

} // namespace q7582
