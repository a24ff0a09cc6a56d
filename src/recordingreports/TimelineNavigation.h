#pragma once
// Where the timeline looks: the span shown, zoomed and panned within the recording, and
// the next or previous change of a lane from the cursor.

#include "recorder/RecordingReader.h"
#include "recordingreports/LaneChanges.h"

#include <optional>

namespace q7582 {

// The narrowest span shown: a few reads across the window.
inline constexpr qint64 NarrowestViewMs = 1000;

struct ViewSpan {
    qint64 fromMs = 0;
    qint64 toMs = 0;
    qint64 length() const { return toMs - fromMs; }
    bool operator==(const ViewSpan&) const = default;
};

// The whole recording, at least NarrowestViewMs long.
ViewSpan wholeView(const TimeSpan& recording);
// The view scaled by factor (below 1 zooms in) around the instant anchorMs, which stays
// where it was; never narrower than NarrowestViewMs nor wider than the recording.
ViewSpan zoomedView(const ViewSpan& view, const TimeSpan& recording, double factor, qint64 anchorMs);
// The view moved by deltaMs, kept inside the recording.
ViewSpan pannedView(const ViewSpan& view, const TimeSpan& recording, qint64 deltaMs);
// The view of the same length ending where the recording ends (a recording being written).
ViewSpan viewAtEnd(const ViewSpan& view, const TimeSpan& recording);

// The time of the lane's first change after fromMs, or of its last change before fromMs;
// nothing when there is none or the recording fails (the reason in error).
std::optional<qint64> nextChange(const RecordedStates& states, const std::vector<Lane>& lanes, int lane, qint64 fromMs,
                                 const TimeSpan& recording, QString* error);
std::optional<qint64> previousChange(const RecordedStates& states, const std::vector<Lane>& lanes, int lane,
                                     qint64 fromMs, const TimeSpan& recording, QString* error);

} // namespace q7582
