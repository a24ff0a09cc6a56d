#pragma once
// What the timeline draws of a lane: for each pixel column of a span, the lowest and
// highest value the lane took and whether it changed there. Coarse spans come from the
// recording's summaries per zoom level, fine ones from its reads: never every read of a
// long span.

#include "recorder/RecordingReader.h"
#include "recordingreports/Lanes.h"

namespace q7582 {

struct LaneColumn {
    bool read = false; // the recording has reads there
    int low = 0, high = 0;
    bool changed = false;
};

// The byte and bit (-1: the whole byte) of a master's status page a lane is drawn from.
struct LaneByte {
    TapStream stream = TapStream::MasterPage0;
    int offset = 0; // within the page
    int bit = -1;
};
LaneByte laneByte(const Lane& lane);

// Below this many milliseconds a column, the reads themselves are drawn.
inline constexpr qint64 ReadsBelowMsPerColumn = 1000;

// The columns of each chosen lane; the recording is read once per stream, not per lane.
std::vector<std::vector<LaneColumn>> laneColumns(const RecordingReader& reader, const std::vector<Lane>& lanes,
                                                 const std::vector<int>& chosen, qint64 fromMs, qint64 toMs,
                                                 int columns);

} // namespace q7582
