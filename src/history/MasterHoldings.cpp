#include "history/MasterHoldings.h"

#include "model/ConfigFile.h"

#include <QCoreApplication>

namespace q7582 {

MasterHolds whatMasterHolds(const ConfigHistory& history, int master)
{
    std::vector<HistoryEntry> entries;
    if (const FileResult listed = history.listNames(entries); !listed.ok)
        return {std::nullopt, QCoreApplication::translate("MasterHoldings", "The history cannot be read: %1")
                                  .arg(QString::fromStdString(listed.error))};
    ConfigImage image;
    for (HistoryEntry& entry : entries) {
        if (!entry.name || entry.name->master != master)
            continue;
        if (const FileResult read = readWholeImage(history.pathOf(entry.fileName), image); !read.ok)
            entry.unreadable = read.error;
        MasterHolds holds = whatMasterHolds(std::vector<HistoryEntry>{entry}, master);
        if (holds.entry)
            holds.image = image;
        return holds;
    }
    return whatMasterHolds(std::vector<HistoryEntry>{}, master);
}

MasterHolds whatMasterHolds(const std::vector<HistoryEntry>& entries, int master)
{
    for (const HistoryEntry& entry : entries) {
        if (!entry.name || entry.name->master != master)
            continue;
        // Only the newest entry counts: after a cut Download the master holds a mix.
        if (entry.name->partial)
            return {std::nullopt,
                    QCoreApplication::translate(
                        "MasterHoldings", "The last Download to master %1 was cut short: what it holds is unknown.")
                        .arg(master)};
        if (!entry.readable())
            return {std::nullopt, QCoreApplication::translate(
                                      "MasterHoldings", "The newest history entry of master %1 cannot be read: %2")
                                      .arg(master)
                                      .arg(QString::fromStdString(entry.unreadable))};
        return {entry, {}};
    }
    return {std::nullopt,
            QCoreApplication::translate("MasterHoldings", "The history holds nothing of master %1.").arg(master)};
}

QString downloadPreviewText(int master, const MasterHolds& holds, int differences)
{
    if (!holds.entry || !holds.entry->name)
        return {};
    if (differences == 0)
        return QCoreApplication::translate("MasterHoldings", "The master already holds this configuration");
    const HistoryName& name = *holds.entry->name;
    const QString direction =
        name.direction == HistoryDirection::Upload ? QStringLiteral("Upload") : QStringLiteral("Download");
    return QCoreApplication::translate("MasterHoldings", "Download: %1 %2 from what master %3 holds (its %4 of %5)")
        .arg(differences)
        .arg(differences == 1 ? QCoreApplication::translate("MasterHoldings", "difference")
                              : QCoreApplication::translate("MasterHoldings", "differences"))
        .arg(master)
        .arg(direction, name.date.toString(QStringLiteral("dd/MM/yyyy")));
}

std::vector<MasterOverviewRow> siteOverview(const std::vector<HistoryEntry>& entries)
{
    return siteOverview(ConfigHistory(), entries);
}

std::vector<MasterOverviewRow> siteOverview(const ConfigHistory& history, const std::vector<HistoryEntry>& entries)
{
    std::vector<MasterOverviewRow> rows(OverviewMasters);
    for (int m = 0; m < OverviewMasters; ++m)
        rows[std::size_t(m)].master = m;
    for (const HistoryEntry& entry : entries) {
        if (!entry.name || entry.name->master >= OverviewMasters)
            continue;
        MasterOverviewRow& row = rows[std::size_t(entry.name->master)];
        std::optional<HistoryEntry>& slot =
            entry.name->direction == HistoryDirection::Upload ? row.newestUpload : row.newestDownload;
        if (!slot)
            slot = entry; // newest first
    }
    ConfigImage upload, download;
    for (MasterOverviewRow& row : rows) {
        if (!row.newestUpload || !row.newestDownload || !row.newestUpload->readable()
            || !row.newestDownload->readable())
            continue;
        if (readWholeImage(history.pathOf(row.newestUpload->fileName), upload).ok
            && readWholeImage(history.pathOf(row.newestDownload->fileName), download).ok)
            row.differences = countDifferences(upload, download);
    }
    return rows;
}

} // namespace q7582
