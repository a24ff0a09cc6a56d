#include "recordingreports/TimelineColumns.h"

#include <algorithm>
#include <tuple>

namespace q7582 {

namespace {

void merge(LaneColumn& c, int low, int high, bool changed)
{
    c.low = c.read ? std::min(c.low, low) : low;
    c.high = c.read ? std::max(c.high, high) : high;
    c.changed = c.changed || changed || low != high;
    c.read = true;
}

int byteValue(const LaneByte& at, const RecordBytes& bytes)
{
    const int b = bytes[std::size_t(at.offset)];
    return at.bit < 0 ? b : (b >> at.bit) & 1;
}

// A unit is active while the source is a unit (the kind, in the low five bits of the
// active source's byte) and its number is the unit's: two bytes, not one.
constexpr int SourceKindMask = 0x1F;

int unitActive(int number, const RecordBytes& bytes)
{
    return (bytes[StatusBlock::ActiveSource] & SourceKindMask) == StatusBlock::SourceUnit
           && bytes[StatusBlock::ActiveSourceNumber] == number;
}

// Off where the piece shows another kind or a number range without the unit's, on where
// both bytes held the unit's values throughout, both otherwise.
std::pair<int, int> unitActiveRange(int number, const LaneSummary& s)
{
    const int kind = StatusBlock::ActiveSource, n = StatusBlock::ActiveSourceNumber;
    const bool kindKnown = s.min[kind] == s.max[kind];
    const bool unit = (s.min[kind] & SourceKindMask) == StatusBlock::SourceUnit;
    if ((kindKnown && !unit) || number < s.min[n] || number > s.max[n])
        return {0, 0};
    if (kindKnown && s.min[n] == number && s.max[n] == number)
        return {1, 1};
    return {0, 1};
}

} // namespace

LaneByte laneByte(const Lane& lane)
{
    const int i = lane.index;
    switch (lane.field) {
    case LaneField::ZoneBusy:
        return {TapStream::MasterPage0, StatusBlock::BusyZones + (i - 1) / 8, (i - 1) % 8};
    case LaneField::ZoneMusic:
        return {TapStream::MasterPage0, StatusBlock::SlaveZones + 2 * ((i - 1) / 6), (i - 1) % 6};
    case LaneField::Input:
        return {TapStream::MasterPage0, StatusBlock::InputStates + i / 8, i % 8};
    case LaneField::Output:
        return {TapStream::MasterPage0, StatusBlock::OutputStates + i / 8, i % 8};
    case LaneField::UnitPresent:
        return {TapStream::MasterPage0, StatusBlock::UnitInfo + i, 5};
    case LaneField::UnitActive:
        return {TapStream::MasterPage0, StatusBlock::ActiveSourceNumber, -1};
    case LaneField::ActiveSource:
        return {TapStream::MasterPage0, StatusBlock::ActiveSource, -1};
    case LaneField::ActiveMessage:
        return {TapStream::MasterPage0, StatusBlock::ActiveMessage, -1};
    case LaneField::SpeechLevel:
        return {TapStream::MasterPage0, StatusBlock::SpeechLevel, -1};
    case LaneField::MusicLevel:
        return {TapStream::MasterPage0, StatusBlock::MusicLevel, -1};
    case LaneField::SpeechInputLevel:
        return {TapStream::MasterPage0, StatusBlock::SpeechInputLevels + i, -1};
    case LaneField::MusicSourceLevel:
        return {TapStream::MasterPage0, StatusBlock::MusicSourceLevels + i, -1};
    case LaneField::VoxThreshold:
        return {TapStream::MasterPage0, StatusBlock::VoxThresholds + i, -1};
    case LaneField::VoxMeter:
        return {TapStream::MasterPage0, StatusBlock::VoxInputMeters + i, -1};
    case LaneField::ClockOffset:
        return {TapStream::MasterPage1, StatusBlock::MasterClock - StatusBlock::PageSize + Bcd::Minute, -1};
    case LaneField::Connection:
        return {TapStream::MasterPage0, StatusBlock::AddressChime, -1};
    }
    return {};
}

TimelineSummaries::TimelineSummaries(const RecordingReader& reader) : reader_(reader) { reload(); }

void TimelineSummaries::reload()
{
    const TimeSpan span = reader_.span();
    for (int p = 0; p < 2; ++p) {
        qint64 resolution = 0;
        for (int level = 0; level < SummaryLevels; ++level) {
            auto& pieces = levels_[std::size_t(p)][std::size_t(level)];
            pieces = reader_.summaries(TapStream(p), span.firstMs, span.lastMs, resolution);
            // The longest piece: a level ends in finer pieces where it is not summarised yet.
            qint64 longest = 0;
            for (const LaneSummary& piece : pieces)
                longest = std::max(longest, qint64(piece.lastMs - piece.firstMs));
            pieceMs_[std::size_t(p)][std::size_t(level)] = pieces.size() > 1 ? longest : 0;
            if (level == 0)
                resolution = pieceMs_[std::size_t(p)][0];
            resolution *= SummaryFanout;
        }
    }
}

std::vector<std::vector<LaneColumn>> TimelineSummaries::columns(const std::vector<Lane>& lanes,
                                                                const std::vector<int>& chosen, qint64 fromMs,
                                                                qint64 toMs, int columns) const
{
    columns = std::max(columns, 0);
    std::vector<std::vector<LaneColumn>> out(chosen.size(), std::vector<LaneColumn>(std::size_t(columns)));
    if (columns == 0 || toMs <= fromMs)
        return out;
    std::vector<LaneByte> at;
    std::vector<int> unit; // the unit's number of an active unit's lane, else 0
    for (int lane : chosen) {
        const Lane& l = lanes.at(std::size_t(lane));
        at.push_back(laneByte(l));
        unit.push_back(l.field == LaneField::UnitActive ? l.index + 1 : 0);
    }
    const auto value = [&](std::size_t k, const RecordBytes& bytes) {
        return unit[k] ? unitActive(unit[k], bytes) : byteValue(at[k], bytes);
    };
    const double msPerColumn = double(toMs - fromMs) / columns;
    const auto column = [&](qint64 ms) { return std::clamp(int(double(ms - fromMs) / msPerColumn), 0, columns - 1); };
    const bool reads = msPerColumn < double(ReadsBelowMsPerColumn);
    for (const TapStream stream : {TapStream::MasterPage0, TapStream::MasterPage1}) {
        std::vector<std::size_t> here; // the chosen lanes drawn from this stream
        for (std::size_t k = 0; k < at.size(); ++k)
            if (at[k].stream == stream)
                here.push_back(k);
        if (here.empty())
            continue;
        if (reads) {
            std::optional<RecordBytes> last;
            reader_.forEachRead(stream, fromMs, toMs, [&](const RecordedRead& read) {
                for (std::size_t k : here) {
                    const int v = value(k, read.bytes);
                    merge(out[k][std::size_t(column(read.ms))], v, v, last && value(k, *last) != v);
                }
                last = read.bytes;
                return true;
            });
            continue;
        }
        // The coarsest level whose pieces fit in one column: a longer piece would smear a
        // change over the columns beside it.
        const auto p = std::size_t(stream);
        std::size_t level = 0;
        while (level + 1 < SummaryLevels && pieceMs_[p][level + 1] > 0 && double(pieceMs_[p][level + 1]) <= msPerColumn)
            ++level;
        const auto& pieces = levels_[p][level];
        auto piece =
            std::partition_point(pieces.begin(), pieces.end(), [&](const LaneSummary& s) { return s.lastMs < fromMs; });
        for (; piece != pieces.end() && piece->firstMs <= toMs; ++piece) {
            const LaneSummary& s = *piece;
            for (std::size_t k : here) {
                const std::size_t o = std::size_t(at[k].offset);
                const int bit = at[k].bit;
                int low = bit < 0 ? s.min[o] : (s.allSet[o] >> bit) & 1;
                int high = bit < 0 ? s.max[o] : (s.anySet[o] >> bit) & 1;
                bool changed = bit < 0 ? s.changed[o] != 0 : ((s.changed[o] >> bit) & 1) != 0;
                if (unit[k]) {
                    std::tie(low, high) = unitActiveRange(unit[k], s);
                    changed = low != high;
                }
                for (int c = column(s.firstMs); c <= column(s.lastMs); ++c)
                    merge(out[k][std::size_t(c)], low, high, changed);
            }
        }
    }
    return out;
}

} // namespace q7582
