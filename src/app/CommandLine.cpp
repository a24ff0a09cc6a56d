#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstdio>

namespace q7582 {

namespace {

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

CommandLineAnswer parseManagerCommandLine(const QStringList& arguments, ManagerOptions& options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows and changes the live state of a Q7582 master or RKDV7582 message generator over USB,\n"
                       "reads and writes the master's configuration and keeps it in .cfi files.\n"
                       "The manager keeps its settings and name files in the folder it is started from.\n"
                       "Q7582_PORT=PATH uses that serial device (or the simulator's link) instead of libftdi."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Log the device link and file writes on standard error "
                                                    "(the q7582.* logging categories)."));
    parser.addOption(verbose);
    const QCommandLineOption compare(
        QStringLiteral("compare"),
        QStringLiteral("Print the differences between two .cfi files given after the options (FROM TO) and exit\n"
                       "without a window: status 0 when they are the same, 1 when they differ, 2 on an error."));
    parser.addOption(compare);
    acceptQtGuiOptions(parser);
    CommandLineAnswer answer = parseCommandLine(parser, arguments);
    if (answer.exitCode)
        return answer;
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(compare) && files.size() != 2)
        return usageError(parser, QStringLiteral("--compare wants two files, FROM and TO"));
    if (!parser.isSet(compare) && !files.isEmpty())
        return usageError(parser, QStringLiteral("unexpected argument \"%1\"").arg(files.first()));
    options.verbose = parser.isSet(verbose);
    if (parser.isSet(compare))
        options.compareFiles = files;
    return answer;
}

std::optional<int> readManagerCommandLine(int argc, char** argv, ManagerOptions& options)
{
    CommandLineAnswer answer;
    {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("qs7582"));
        QCoreApplication::setApplicationVersion(QStringLiteral(Q7582_VERSION));
        answer = parseManagerCommandLine(QCoreApplication::arguments(), options);
    }
    printAnswer(answer);
    if (answer.exitCode)
        return answer.exitCode;
    if (options.verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("q7582.*=true"));
    return std::nullopt;
}

} // namespace q7582
