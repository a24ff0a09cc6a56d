#pragma once
// What the timeline draws of a lane: for each pixel column of a span, the lowest and
// highest value the lane took and whether it changed there. Coarse spans come from the
// recording's summaries per zoom level, fine ones from its reads: never every read of a
// long span.

#include "recorder/RecordingReader.h"
#include "recordingreports/Lanes.h"

#include <array>

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

// The recording's summaries of both master pages at every zoom level, held in memory
// (a day is a few megabytes), so that a repaint queries nothing above a second a column.
class TimelineSummaries {
public:
    explicit TimelineSummaries(const RecordingReader& reader);
    // Again, after the reader found that a recording being written grew.
    void reload();

    // The columns of each chosen lane, each stream read once, not once per lane.
    std::vector<std::vector<LaneColumn>> columns(const std::vector<Lane>& lanes, const std::vector<int>& chosen,
                                                 qint64 fromMs, qint64 toMs, int columns) const;

private:
    const RecordingReader& reader_;
    std::array<std::array<std::vector<LaneSummary>, SummaryLevels>, 2> levels_;
    std::array<std::array<qint64, SummaryLevels>, 2> pieceMs_{};
};

} // namespace q7582
