#include "history/ConfigHistory.h"

#include "model/ConfigFile.h"
#include "reports/ConfigurationComparison.h"

#include <algorithm>
#include <array>

namespace q7582 {

namespace {

// Oldest first, the unknown names before all others.
bool olderThan(const HistoryEntry& a, const HistoryEntry& b)
{
    if (a.name.has_value() != b.name.has_value())
        return !a.name.has_value();
    if (a.name && (*a.name < *b.name || *b.name < *a.name))
        return *a.name < *b.name;
    return a.fileName < b.fileName;
}

} // namespace

int countDifferences(const ConfigImage& from, const ConfigImage& to)
{
    if (from == to)
        return 0;
    const NameTables unitNames; // the count does not depend on the names
    return compareConfigurations({from, {}}, {to, {}}, unitNames).differences;
}

ConfigHistory::ConfigHistory(const std::string& workingFolder)
    : folder_(workingFolder == "." ? std::string(FolderName) : workingFolder + "/" + FolderName)
{
}

HistoryWrite ConfigHistory::record(const ConfigImage& image, int master, HistoryDirection direction, bool partial,
                                   const QDateTime& now) const
{
    HistoryWrite write;
    if (write.result = makeFolder(folder_); !write.result.ok)
        return write;
    std::vector<std::string> names;
    if (write.result = listFolder(folder_, names); !write.result.ok)
        return write;

    const QTime second(now.time().hour(), now.time().minute(), now.time().second());
    HistoryName entry{now.date(), second, master, direction, partial, 1};
    std::optional<HistoryName> newest;
    std::string newestFile;
    for (const std::string& file : names) {
        const std::optional<HistoryName> n = parseHistoryFileName(file);
        if (!n)
            continue;
        if (n->date == entry.date && n->time == entry.time)
            entry.sequence = std::max(entry.sequence, n->sequence + 1);
        if (n->master == master && n->direction == direction && (!newest || *newest < *n)) {
            newest = n;
            newestFile = file;
        }
    }
    ConfigImage kept;
    if (newest && newest->partial == partial && readWholeImage(pathOf(newestFile), kept).ok && kept == image) {
        write.fileName = newestFile;
        return write;
    }
    // Past every entry of that second, so no name already there is written through, not
    // even a dangling link's, which would lead the write out of the folder.
    write.fileName = historyFileName(entry);
    write.result = writeConfigFile(pathOf(write.fileName), image);
    write.added = write.result.ok;
    return write;
}

FileResult ConfigHistory::listNames(std::vector<HistoryEntry>& entries) const
{
    std::vector<std::string> names;
    if (FileResult r = listFolder(folder_, names); !r.ok)
        return r;
    std::vector<HistoryEntry> found;
    found.reserve(names.size());
    for (std::string& file : names) {
        std::optional<HistoryName> name = parseHistoryFileName(file);
        found.push_back({std::move(file), name, {}, {}});
    }
    std::sort(found.begin(), found.end(), olderThan);
    std::reverse(found.begin(), found.end());
    entries = std::move(found);
    return {};
}

FileResult ConfigHistory::list(std::vector<HistoryEntry>& entries) const
{
    std::vector<HistoryEntry> found;
    if (FileResult r = listNames(found); !r.ok)
        return r;
    // Only the newest readable image of each master is kept while going forward in time.
    std::array<std::optional<ConfigImage>, HistoryMasters> previous;
    ConfigImage image;
    for (auto entry = found.rbegin(); entry != found.rend(); ++entry) {
        if (const FileResult read = readWholeImage(pathOf(entry->fileName), image); !read.ok) {
            entry->unreadable = read.error;
            continue;
        }
        if (!entry->name)
            continue;
        std::optional<ConfigImage>& before = previous[std::size_t(entry->name->master)];
        if (before)
            entry->differences = countDifferences(*before, image);
        before = image;
    }
    entries = std::move(found);
    return {};
}

} // namespace q7582
