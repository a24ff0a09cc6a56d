#pragma once
// The recording file: one SQLite database per recording.
//
//   meta(key, value)                      format, kind, started, site, names
//   blocks(stream, first_ms, last_ms, reads, data, summary)
//       up to 64 consecutive reads of one stream: data holds the first read whole and
//       each later one as the bytes that changed; summary is the block's lane summary
//   summaries(stream, level, first_ms, last_ms, reads, summary)
//       level n covers 16^n blocks, for the timeline's coarse zoom levels
//   events(id, ms, kind, value, detail)   connection changes and what this program wrote
//
// Times are the PC's, in milliseconds since the epoch.

#include "model/StatusTap.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <functional>

namespace q7582 {

inline constexpr int RecordingFormatVersion = 1;
inline constexpr const char* RecordingKind = "q7582-recording";
inline constexpr int BlockReads = 64;
inline constexpr int SummaryFanout = 16; // blocks of level n-1 per summary of level n
inline constexpr int SummaryLevels = 3;  // 0: one block, 1: 16 blocks, 2: 256 blocks

using RecordBytes = std::array<Byte, TapRecordSize>;

// Per lane (byte offset) over a stretch of reads: its smallest and largest value, the
// bits set in any read, the bits set in every read, and the bits that changed from one
// read to the next (also from the read before the stretch).
struct LaneSummary {
    std::int64_t firstMs = 0;
    std::int64_t lastMs = 0;
    int reads = 0;
    RecordBytes min{};
    RecordBytes max{};
    RecordBytes anySet{};
    RecordBytes allSet{};
    RecordBytes changed{};

    // previous: the read before this one in the stream, if any.
    void add(std::int64_t ms, const RecordBytes& record, const RecordBytes* previous);
    void merge(const LaneSummary& later);
    QByteArray encode() const;
    // False when the blob is not a summary.
    bool decode(const QByteArray& blob);
};

// A block's reads, encoded as they come.
class BlockEncoder {
public:
    void add(std::int64_t ms, const RecordBytes& record);
    void clear();
    int reads() const { return reads_; }
    std::int64_t firstMs() const { return firstMs_; }
    std::int64_t lastMs() const { return lastMs_; }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
    RecordBytes last_{};
    int reads_ = 0;
    std::int64_t firstMs_ = 0;
    std::int64_t lastMs_ = 0;
};

// Calls each(ms, record) for every read of a block in order; false when the data is damaged
// or each asked to stop (stopped is then set).
bool decodeBlock(const QByteArray& data, std::int64_t firstMs,
                 const std::function<bool(std::int64_t, const RecordBytes&)>& each, bool* stopped = nullptr);

} // namespace q7582
