#pragma once
// A history entry as the history window and `qs7582 history` show it: date, master,
// direction, partial or not, and the differences from the previous entry of the same
// master; "unknown" for a name that does not parse, "unreadable" for a file that is no image.

#include "history/ConfigHistory.h"

#include <QString>

namespace q7582 {

struct HistoryRow {
    QString date, master, direction, partial, differences;
    QString fileName;
    QString problem; // why the file cannot be loaded; empty for an image
};

HistoryRow historyRow(const HistoryEntry& entry);

// The row on one line of a terminal, its columns aligned.
QString historyLine(const HistoryRow& row);

} // namespace q7582
