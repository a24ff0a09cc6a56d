#include "terminal/TerminalSites.h"

#include "history/ConfigHistory.h"
#include "history/HistoryRows.h"
#include "model/FilePath.h"
#include "sites/Fingerprints.h"
#include "sites/KnownSites.h"
#include "sites/SiteFolder.h"
#include "terminal/TerminalOutput.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <unistd.h>

namespace q7582 {

namespace {

// What a site's history holds, from the entry names alone: no file is read, so a list
// of many sites stays quick.
QString historySummary(const QString& folder)
{
    const std::string historyFolder = ConfigHistory(filePath(folder)).folder();
    std::vector<std::string> names;
    if (const FileResult listed = listFolder(historyFolder, names); !listed.ok)
        return TerminalText::tr("history unreadable: ") + QString::fromStdString(listed.error);
    std::set<int> masters;
    std::optional<HistoryEntry> newest;
    for (const std::string& fileName : names) {
        const std::optional<HistoryName> name = parseHistoryFileName(fileName);
        if (!name)
            continue;
        masters.insert(name->master);
        if (!newest || *newest->name < *name)
            newest = HistoryEntry{fileName, name, {}, {}};
    }
    if (!newest)
        return TerminalText::tr("no history");
    QStringList kept;
    for (const int m : masters)
        kept << QString::number(m);
    const HistoryRow row = historyRow(*newest);
    return TerminalText::tr("masters %1  newest %2 master %3 %4%5")
        .arg(kept.join(QStringLiteral(", ")), row.date, row.master, row.direction,
             row.partial.isEmpty() ? QString() : QLatin1Char(' ') + row.partial);
}

} // namespace

OpenSite openSite()
{
    const std::unique_ptr<char, decltype(&std::free)> here(::getcwd(nullptr, 0), &std::free);
    const QString folder = here ? fileNameFromPath(here.get()) : QStringLiteral(".");
    return {folder, siteNameOf(folder)};
}

QString siteHeading(const OpenSite& site) { return TerminalText::tr("Site %1: %2").arg(site.name, site.folder); }

void rememberSite(const ManagerOptions& options)
{
    if (options.siteFolder.isEmpty())
        return;
    KnownSites known;
    if (const FileResult marked = known.markUsed(options.siteFolder); !marked.ok)
        say(TerminalText::tr("The list of known sites was not written: ") + QString::fromStdString(marked.error));
}

int runSites()
{
    const std::vector<KnownSite> sites = KnownSites().list();
    if (sites.empty()) {
        say(TerminalText::tr("No site is known yet: a folder used with -C, or opened in the window, becomes one."));
        return TerminalExit::Done;
    }
    qsizetype nameWidth = 0, folderWidth = 0;
    for (const KnownSite& site : sites) {
        nameWidth = std::max(nameWidth, site.name.size());
        folderWidth = std::max(folderWidth, site.folder.size());
    }
    for (const KnownSite& site : sites)
        printResult(QStringLiteral("%1  %2  %3")
                        .arg(site.name, -int(nameWidth))
                        .arg(site.folder, -int(folderWidth))
                        .arg(site.present ? historySummary(site.folder) : site.problem));
    return TerminalExit::Done;
}

void sayRecognised(const ConfigImage& uploaded, const OpenSite& site)
{
    const std::vector<FingerprintMatch> matches = findInSites(uploaded, KnownSites().list(), site.folder);
    if (!matches.empty())
        say(recognitionText(matches.front()));
}

} // namespace q7582
