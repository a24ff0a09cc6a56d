#include "terminal/TerminalCommands.h"

#include "app/InterfaceLanguage.h"
#include "app/WorkingFolderLock.h"
#include "history/HistoryRows.h"
#include "model/ConfigFile.h"
#include "model/FilePath.h"
#include "reports/ConfigurationComparison.h"
#include "reports/StatusReport.h"
#include "terminal/TerminalDryRun.h"
#include "terminal/TerminalEvents.h"
#include "terminal/TerminalOutput.h"
#include "terminal/TerminalRecord.h"
#include "terminal/TerminalSites.h"
#include "terminal/TerminalTransfers.h"

#include <QCoreApplication>

namespace q7582 {

namespace {

// `status`: the status report as "Report" > "Status" makes it. The names are read, never
// created: a command writes nothing it was not asked for.
int runStatus(TerminalLink& link, const ManagerOptions& options)
{
    if (const std::optional<int> refused = awaitMaster(link, options.waitSeconds))
        return *refused;
    NameTables names;
    if (const FileResult read = names.readExistingNames(); !read.ok)
        say(QString::fromStdString(read.error));
    const StatusBlock status = link.shared().withStatus([](const StatusBlock& s) { return s; });
    const Report report =
        buildStatusReport(status, statusValuesShownFor(status, names), names, QDateTime::currentDateTime());
    std::fputs(plainText(report).toLocal8Bit().constData(), stdout);
    return TerminalExit::Done;
}

// `history`: one line for each entry, as the history window lists them.
int runHistory(const ConfigHistory& history)
{
    std::vector<HistoryEntry> entries;
    if (const FileResult listed = history.list(entries); !listed.ok) {
        say(QString::fromStdString(listed.error));
        return TerminalExit::BadUsageOrFile;
    }
    for (const HistoryEntry& entry : entries)
        printResult(historyLine(historyRow(entry)));
    return TerminalExit::Done;
}

// Where `upload -o` may write: into a folder that exists, over nothing but a file.
FileResult outputPlace(const std::string& path)
{
    if (fileExists(path) && !isRegularFile(path))
        return FileResult::failure(path, TerminalText::tr("not a regular file").toStdString());
    if (!isDirectory(folderOf(path)))
        return FileResult::failure(path, TerminalText::tr("no such folder").toStdString());
    return {};
}

} // namespace

int runTerminalCommand(int argc, char** argv, const ManagerOptions& options)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qs7582"));
    useInterfaceLanguage(isItalian(LanguageChoice::Automatic));
    rememberSite(options);
    if (options.command == TerminalCommand::Sites)
        return runSites();
    if (options.command == TerminalCommand::Events)
        return runEvents(options);
    const OpenSite site = openSite();

    // A bad file is refused before the folder or the device is touched.
    ConfigImage image;
    FileResult file;
    if (options.command == TerminalCommand::Download)
        file = readWholeImage(filePath(options.file), image);
    else if (!options.output.isEmpty())
        file = outputPlace(filePath(options.output));
    if (!file.ok) {
        say(QString::fromStdString(file.error));
        return TerminalExit::BadUsageOrFile;
    }

    const ConfigHistory history;
    // Given its master, a dry run needs neither the device nor the lock: it writes nothing.
    if (options.dryRun && options.master) {
        say(siteHeading(site));
        return runDryRun(options, *options.master, false, site, history);
    }
    const auto lock = tryLockWorkingFolder(QStringLiteral("."));
    if (!lock) {
        say(alreadyRunningText());
        return TerminalExit::NoDevice;
    }
    if (options.command != TerminalCommand::Status)
        say(siteHeading(site));
    if (options.command == TerminalCommand::History)
        return runHistory(history);
    TerminalLink link;
    if (options.command == TerminalCommand::Record)
        return runRecord(link, options, site);
    if (options.command == TerminalCommand::Status)
        return runStatus(link, options);
    if (options.command == TerminalCommand::Upload)
        return runUpload(link, options, history, site);
    if (options.dryRun) {
        if (const std::optional<int> refused = awaitMaster(link, options.waitSeconds))
            return *refused;
        return runDryRun(options, *link.masterAddress(), true, site, history);
    }
    return runDownload(link, options, image, history, site);
}

} // namespace q7582
