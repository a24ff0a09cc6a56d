#include "terminal/TerminalTransfers.h"

#include "history/TransferHistory.h"
#include "link/OpenFailure.h"
#include "model/ConfigFile.h"
#include "model/FilePath.h"
#include "reports/TransferText.h"
#include "sites/Fingerprints.h"
#include "sites/KnownSites.h"
#include "sites/SiteOrigin.h"
#include "terminal/TerminalOutput.h"

#include <QFileInfo>

namespace q7582 {

namespace {

using Clock = TerminalLink::Clock;

// Why no master answered in time, as the window's status bar would tell it.
int noMaster(TerminalLink& link, int waitSeconds)
{
    const OpenFailure failure = link.shared().openFailure;
    if (failure == OpenFailure::InUse)
        say(TerminalText::tr("The device is in use by another program."));
    else if (failure == OpenFailure::NoAccess)
        say(TerminalText::tr("The device may not be opened: no access (see \"Device permissions\" in the README)."));
    else if (link.generatorConnected())
        say(TerminalText::tr("A message generator is connected, not a master."));
    else if (link.shared().connectionState == ConnectionState::NotConnected)
        say(TerminalText::tr("No device found within %1 s.").arg(waitSeconds));
    else
        say(TerminalText::tr("No master answered within %1 s.").arg(waitSeconds));
    return TerminalExit::NoDevice;
}

// A history write that failed is said; whether the history holds the image.
bool told(const TransferHistory::Recorded& recorded)
{
    if (!recorded.write.result.ok && recorded.tell)
        say(TerminalText::tr("Configuration history not written: ")
            + QString::fromStdString(recorded.write.result.error));
    return recorded.write.result.ok;
}

} // namespace

std::optional<int> awaitMaster(TerminalLink& link, int waitSeconds)
{
    link.start(makeChipFromEnvironment());
    link.waitUntil([&] { return link.masterAddress() || link.signalCount() > 0; },
                   Clock::now() + std::chrono::seconds(waitSeconds));
    if (link.signalCount() > 0) {
        say(TerminalText::tr("Interrupted."));
        return TerminalExit::TransferFailed;
    }
    if (!link.masterAddress())
        return noMaster(link, waitSeconds);
    return std::nullopt;
}

int runUpload(TerminalLink& link, const ManagerOptions& options, const ConfigHistory& history, const OpenSite& site)
{
    if (const std::optional<int> refused = awaitMaster(link, options.waitSeconds))
        return *refused;
    const auto patience = std::chrono::seconds(options.waitSeconds);
    link.shared().requests.uploadRequest = true;
    for (;;) {
        std::optional<TransferReport> restart;
        link.waitUntil([&] {
            restart = link.takeRestart();
            return restart || link.lastEnd() || link.signalCount() > 0 || link.masterMissingFor() > patience;
        });
        if (restart) {
            say(whatHappened(*restart)
                + TerminalText::tr(": the Upload starts again (%1 of %2).")
                      .arg(restart->restarts)
                      .arg(TransferReport::MaxRestarts));
            continue;
        }
        if (link.lastEnd())
            break;
        // Withdrawn: a running Upload stops at its next block and hands nothing over.
        link.shared().requests.uploadRequest = false;
        link.stop();
        say(link.signalCount() > 0 ? TerminalText::tr("Upload cancelled.")
                                   : TerminalText::tr("No master answered within %1 s: the Upload was given up.")
                                         .arg(options.waitSeconds));
        return TerminalExit::TransferFailed;
    }
    if (const TransferReport& end = *link.lastEnd(); end.end != TransferEnd::Completed) {
        say(transferFailureText(end));
        return TerminalExit::TransferFailed;
    }

    TransferHistory transfers(history);
    const TransferHistory::Recorded kept = transfers.uploadCompleted(
        *link.uploaded(), StatusBlock::masterAddressOf(link.addressChime()), QDateTime::currentDateTime());
    if (told(kept)) {
        printResult(QString::fromStdString(history.pathOf(kept.write.fileName)));
        refreshFingerprints(site.folder);
    }
    sayRecognised(*link.uploaded(), site);
    if (options.output.isEmpty())
        return kept.write.result.ok ? TerminalExit::Done : TerminalExit::TransferFailed;
    if (const FileResult written = writeConfigFile(filePath(options.output), *link.uploaded()); !written.ok) {
        say(QString::fromStdString(written.error));
        return TerminalExit::TransferFailed;
    }
    printResult(options.output);
    return TerminalExit::Done;
}

QStringList downloadObjections(const QString& file, int master, bool connected, const OpenSite& site)
{
    QStringList objections;
    const std::optional<HistoryName> entry = parseHistoryFileName(filePath(QFileInfo(file).fileName()));
    if (entry && entry->master != master)
        objections << (connected ? TerminalText::tr("%1 was read from master %2; the connected master is %3.")
                                 : TerminalText::tr("%1 was read from master %2, not master %3."))
                          .arg(file)
                          .arg(entry->master)
                          .arg(master);
    if (const std::optional<SiteOrigin> origin = siteOfFile(file, KnownSites().list(), site.folder))
        objections << crossSiteFact(*origin, site.name);
    return objections;
}

int runDownload(TerminalLink& link, const ManagerOptions& options, const ConfigImage& image,
                const ConfigHistory& history, const OpenSite& site)
{
    if (const std::optional<int> refused = awaitMaster(link, options.waitSeconds))
        return *refused;
    const int connected = *link.masterAddress();
    if (options.master && *options.master != connected) {
        say(TerminalText::tr("The connected master is %1, not %2: nothing was written.")
                .arg(connected)
                .arg(*options.master));
        return TerminalExit::NoDevice;
    }
    if (const QStringList objections = downloadObjections(options.file, connected, true, site);
        !objections.isEmpty() && !options.force) {
        say(objections.join(QLatin1Char(' ')) + TerminalText::tr(" Nothing was written: --force downloads it anyway."));
        return TerminalExit::NoDevice;
    }

    link.setDownloadImage(image);
    link.shared().requests.downloadRequest = true;
    bool interrupted = false;
    link.waitUntil([&] {
        if (link.signalCount() == 1 && !interrupted) {
            interrupted = true;
            say(TerminalText::tr("Interrupted: the Download finishes first; interrupt again to cut it."));
        }
        // A link failure before the first block drops the request, with no transfer to end.
        const bool dropped = !link.shared().requests.downloadRequest && !link.downloadBegun();
        return link.lastEnd() || link.signalCount() > 1 || dropped;
    });

    TransferHistory transfers(history);
    if (link.downloadBegun())
        transfers.downloadStarting(image, connected);
    const std::optional<TransferReport> end = link.lastEnd();
    const bool complete = end && end->end == TransferEnd::Completed;
    if (!end) {
        link.shared().requests.downloadRequest = false; // one not begun never begins
        link.stop();
    }
    if (const auto kept = transfers.downloadEnded(complete, QDateTime::currentDateTime()); kept && told(*kept))
        refreshFingerprints(site.folder);
    if (complete) {
        printResult(TerminalText::tr("Download complete: %1 blocks written to master %2")
                        .arg(ConfigImage::BlockCount)
                        .arg(connected));
        return TerminalExit::Done;
    }
    if (end)
        say(transferFailureText(*end));
    else if (link.downloadBegun())
        say(TerminalText::tr("Download cut at block %1 of %2: the master holds a partial configuration.")
                .arg(link.blocksDone())
                .arg(ConfigImage::BlockCount));
    else
        say(link.signalCount() > 1
                ? TerminalText::tr("Download cut before it began: nothing was written.")
                : TerminalText::tr("The link failed before the Download began: nothing was written."));
    return TerminalExit::TransferFailed;
}

} // namespace q7582
