#pragma once
// What the history says each master holds: the configuration last read from it or
// written to it whole.

#include "history/ConfigHistory.h"

#include <QString>

#include <optional>
#include <vector>

namespace q7582 {

struct MasterHolds {
    std::optional<HistoryEntry> entry; // the newest complete readable entry of the master
    QString unknownReason;             // why nothing is known, when entry is empty
    ConfigImage image{};               // the entry's bytes, read by the history's form below
};

// Unknown when the master's newest entry is a partial Download or unreadable, or when
// it has none. Reads that one entry only, whatever the length of the history.
MasterHolds whatMasterHolds(const ConfigHistory& history, int master);
// The same over entries already listed (newest first); the image is not read.
MasterHolds whatMasterHolds(const std::vector<HistoryEntry>& entries, int master);

// What a Download of a configuration with that many differences from holds changes:
// "Download: N differences from what master M holds (its Upload of dd/MM/yyyy)", or
// "The master already holds this configuration"; empty when nothing is known.
QString downloadPreviewText(int master, const MasterHolds& holds, int differences);

inline constexpr int OverviewMasters = 6; // masters 0..5

struct MasterOverviewRow {
    int master = 0;
    std::optional<HistoryEntry> newestUpload, newestDownload;
    std::optional<int> differences; // between those two, when both are readable
};

// Masters 0..5 of a listed history (newest first); the entries are compared in history's
// folder, the working folder's when not given.
std::vector<MasterOverviewRow> siteOverview(const std::vector<HistoryEntry>& entries);
std::vector<MasterOverviewRow> siteOverview(const ConfigHistory& history, const std::vector<HistoryEntry>& entries);

} // namespace q7582
