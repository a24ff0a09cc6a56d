#include "recordingreports/TimelineNavigation.h"

#include <algorithm>
#include <cmath>

namespace q7582 {

namespace {

// A view of the given length, moved inside the recording.
ViewSpan placed(qint64 fromMs, qint64 length, const TimeSpan& recording)
{
    const ViewSpan whole = wholeView(recording);
    length = std::clamp(length, std::min(NarrowestViewMs, whole.length()), whole.length());
    fromMs = std::clamp(fromMs, whole.fromMs, whole.toMs - length);
    return {fromMs, fromMs + length};
}

} // namespace

ViewSpan wholeView(const TimeSpan& recording)
{
    if (recording.empty())
        return {0, NarrowestViewMs};
    return {qint64(recording.firstMs), std::max<qint64>(recording.lastMs, recording.firstMs + NarrowestViewMs)};
}

ViewSpan zoomedView(const ViewSpan& view, const TimeSpan& recording, double factor, qint64 anchorMs)
{
    const double length = std::max(double(view.length()) * factor, double(NarrowestViewMs));
    const double share = view.length() > 0 ? double(anchorMs - view.fromMs) / double(view.length()) : 0.5;
    const auto newLength = qint64(std::llround(std::min(length, double(wholeView(recording).length()))));
    return placed(anchorMs - qint64(std::llround(share * double(newLength))), newLength, recording);
}

ViewSpan pannedView(const ViewSpan& view, const TimeSpan& recording, qint64 deltaMs)
{
    return placed(view.fromMs + deltaMs, view.length(), recording);
}

ViewSpan viewAtEnd(const ViewSpan& view, const TimeSpan& recording)
{
    return placed(wholeView(recording).toMs - view.length(), view.length(), recording);
}

std::optional<qint64> nextChange(const RecordedStates& states, const std::vector<Lane>& lanes, int lane, qint64 fromMs,
                                 const TimeSpan& recording, QString* error)
{
    std::optional<qint64> found;
    forEachChange(
        states, lanes, {lane}, fromMs, recording.lastMs + 1,
        [&](const LaneChange& change) {
            if (change.timeMs <= fromMs)
                return true;
            found = change.timeMs;
            return false;
        },
        error);
    return found;
}

// Looks back in spans that double each time, so that a change near the cursor is found
// without reading the recording from its start.
std::optional<qint64> previousChange(const RecordedStates& states, const std::vector<Lane>& lanes, int lane,
                                     qint64 fromMs, const TimeSpan& recording, QString* error)
{
    for (qint64 back = 10000;; back *= 2) {
        const qint64 start = std::max<qint64>(recording.firstMs, fromMs - back);
        std::optional<qint64> found;
        const bool read = forEachChange(
            states, lanes, {lane}, start, fromMs,
            [&](const LaneChange& change) {
                if (change.timeMs < fromMs)
                    found = change.timeMs;
                return true;
            },
            error);
        if (found || !read || start == recording.firstMs)
            return found;
    }
}

} // namespace q7582
