#pragma once
// The commissioning record: for each input activation, what followed it. An activation
// is an input going on; it lasts until the next one or until the settling time ends,
// whichever comes first, and what the master does in that time is laid to it.

#include "recordingreports/RecordedState.h"
#include "reports/ReportLine.h"
#include "settings/NameTables.h"

#include <QDateTime>

#include <optional>
#include <vector>

namespace q7582 {

struct ZoneResponse {
    int zone = 0; // 1..36
    qint64 afterMs = 0;
};

struct InputActivation {
    qint64 timeMs = 0;
    int input = 0;     // cell 0..35
    qint64 source = 0; // the first active source that followed, as its lane holds it; 0 none
    int message = 0;   // the first active message that followed; 0 none
    qint64 messageAfterMs = 0;
    std::vector<ZoneResponse> busy; // zones that went busy, in order
    std::vector<int> silent;        // zones present that did not
    std::vector<int> alreadyBusy;   // zones busy when the input went on
};

inline constexpr qint64 CommissioningSettleMs = 30000;

// The activations between fromMs and toMs, streamed from the recording; nothing with the
// recording's reason when reading fails.
std::optional<std::vector<InputActivation>> collectActivations(const RecordedStates& states, qint64 fromMs, qint64 toMs,
                                                               QString* error, qint64 settleMs = CommissioningSettleMs);

Report commissioningReport(const std::vector<InputActivation>& activations, const NameTables& names, qint64 fromMs,
                           qint64 toMs, const QDateTime& created);

} // namespace q7582
