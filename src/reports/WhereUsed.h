#pragma once
// Where a zone, an output or an input is used: every key, message event, VOX, out event,
// timer event and IN/OUT rule that selects it, named as the editor names them. Reads
// the image only.

#include "model/ConfigImage.h"
#include "reports/ReportLine.h"
#include "settings/NameTables.h"

#include <QStringList>

#include <optional>

namespace q7582 {

enum class UsedKind { Zone, Output, Input };

struct UsedItem {
    UsedKind kind = UsedKind::Zone;
    int master = 0; // the master whose zone or output it is (an input's is the image's own)
    int number = 1; // 1..36
};

struct WhereUsed {
    Report report;
    QStringList lines; // one per user: "Unit 1 (1), Key 3", "Timer event 5: message event 2"
};

// "Zone 14 of master 0", "Output 7 of master 2", "Input 3 (Card 1)"
QString usedItemName(const UsedItem& item);
// "Where used: Zone 14 of master 0"
QString whereUsedCaption(const UsedItem& item);

// ownMaster: the master the image is for, when known; its I/O cards' rules are listed
// for its own outputs only.
WhereUsed whereUsed(const ConfigImage& image, const UsedItem& item, const NameTables& names,
                    std::optional<int> ownMaster);

} // namespace q7582
