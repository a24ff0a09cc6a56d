#pragma once
// The changes of a recording, lane by lane: time, what, from, to.

#include "recordingreports/Lanes.h"

#include <QString>

#include <optional>
#include <vector>

namespace q7582 {

struct LaneChange {
    qint64 timeMs = 0;
    int lane = 0; // index into the lanes
    qint64 from = NoValue;
    qint64 to = NoValue;
};

// Follows the lanes chosen from state to state. The first state sets the lanes' values
// and reports nothing. While no master is connected only the connection lane changes; when
// one is back, each lane's value is compared with the one it had before the gap.
class LaneChangeTracker {
public:
    LaneChangeTracker(const std::vector<Lane>& lanes, std::vector<int> chosen);

    void feed(const RecordedState& state, const std::function<void(const LaneChange&)>& out);

private:
    const std::vector<Lane>& lanes_;
    std::vector<int> chosen_;
    std::vector<qint64> values_;
    RecordedState last_;
    bool started_ = false;
};

// Every lane, or those of one group.
std::vector<int> lanesOf(const std::vector<Lane>& lanes, std::optional<LaneGroup> group = std::nullopt);

// "2026-12-08T03:45:10.125Z"
QString isoTime(qint64 ms);

struct ChangeRow {
    QString time, group, what, from, to;
};
ChangeRow changeRow(const std::vector<Lane>& lanes, const LaneChange& change);

// Streams the changes of the chosen lanes between fromMs and toMs to out, until out returns
// false. False with the recording's reason when reading fails.
bool forEachChange(const RecordedStates& states, const std::vector<Lane>& lanes, const std::vector<int>& chosen,
                   qint64 fromMs, qint64 toMs, const std::function<bool(const LaneChange&)>& out, QString* error);

} // namespace q7582
