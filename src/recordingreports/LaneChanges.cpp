#include "recordingreports/LaneChanges.h"

#include <QDateTime>

#include <array>

namespace q7582 {

LaneChangeTracker::LaneChangeTracker(const std::vector<Lane>& lanes, std::vector<int> chosen)
    : lanes_(lanes), chosen_(std::move(chosen)), values_(chosen_.size(), NoValue)
{
}

void LaneChangeTracker::feed(const RecordedState& state, const std::function<void(const LaneChange&)>& out)
{
    const bool gap = started_ && state.link != RecordedLink::Master;
    // Only the groups whose bytes changed since the last master read are looked at.
    std::array<bool, GroupCount> look{};
    for (int g = 0; g < GroupCount; ++g)
        look[std::size_t(g)] =
            !started_ || state.link != last_.link || groupMayDiffer(LaneGroup(g), state.master, last_.master);
    if (!gap)
        last_ = state;
    last_.link = state.link;
    for (std::size_t k = 0; k < chosen_.size(); ++k) {
        const Lane& lane = lanes_[std::size_t(chosen_[k])];
        if (!look[std::size_t(lane.group)] || (gap && lane.field != LaneField::Connection))
            continue;
        const qint64 value = laneValue(lane, state);
        if (!started_) {
            values_[k] = value;
        } else if (laneValuesDiffer(lane, values_[k], value)) {
            out({state.pcTimeMs, chosen_[k], values_[k], value});
            values_[k] = value;
        }
    }
    started_ = true;
}

std::vector<int> lanesOf(const std::vector<Lane>& lanes, std::optional<LaneGroup> group)
{
    std::vector<int> chosen;
    for (std::size_t i = 0; i < lanes.size(); ++i)
        if (!group || lanes[i].group == *group)
            chosen.push_back(int(i));
    return chosen;
}

QString isoTime(qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs); }

ChangeRow changeRow(const std::vector<Lane>& lanes, const LaneChange& change)
{
    const Lane& lane = lanes.at(std::size_t(change.lane));
    return {isoTime(change.timeMs), laneGroupName(lane.group), lane.name, laneValueText(lane, change.from),
            laneValueText(lane, change.to)};
}

bool forEachChange(const RecordedStates& states, const std::vector<Lane>& lanes, const std::vector<int>& chosen,
                   qint64 fromMs, qint64 toMs, const std::function<bool(const LaneChange&)>& out, QString* error)
{
    LaneChangeTracker tracker(lanes, chosen);
    bool more = true;
    return states.forEach(
        fromMs, toMs,
        [&](const RecordedState& state) {
            tracker.feed(state, [&](const LaneChange& change) { more = more && out(change); });
            return more;
        },
        error);
}

} // namespace q7582
