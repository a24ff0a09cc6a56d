#include "recordingreports/TimelineColumns.h"

#include <algorithm>

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
    for (int lane : chosen)
        at.push_back(laneByte(lanes.at(std::size_t(lane))));
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
                    const int v = byteValue(at[k], read.bytes);
                    merge(out[k][std::size_t(column(read.ms))], v, v, last && byteValue(at[k], *last) != v);
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
                const int low = bit < 0 ? s.min[o] : (s.allSet[o] >> bit) & 1;
                const int high = bit < 0 ? s.max[o] : (s.anySet[o] >> bit) & 1;
                const bool changed = bit < 0 ? s.changed[o] != 0 : ((s.changed[o] >> bit) & 1) != 0;
                for (int c = column(s.firstMs); c <= column(s.lastMs); ++c)
                    merge(out[k][std::size_t(c)], low, high, changed);
            }
        }
    }
    return out;
}

} // namespace q7582
