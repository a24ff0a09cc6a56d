#pragma once
// The changes as CSV: a header, then one row per change with a column per field
// (time, group, what, from, to), ISO times in UTC, written as they come.

#include "recordingreports/LaneChanges.h"

#include <QIODevice>

namespace q7582 {

// Quotes a field when it holds a comma, a quote or a line break; quotes are doubled.
QByteArray csvField(const QString& text);
QByteArray csvHeader();

// Writes the header and the rows of the chosen lanes to out as the recording is read.
// False with the reason when the recording or the device fails.
bool writeEventsCsv(const RecordedStates& states, const std::vector<Lane>& lanes, const std::vector<int>& chosen,
                    qint64 fromMs, qint64 toMs, QIODevice& out, QString* error);

} // namespace q7582
