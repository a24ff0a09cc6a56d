#pragma once
// Reads a recording, also one still being written: a read-only connection that never
// disturbs the writer. Use it from one thread.

#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"
#include "recorder/RecordingFormat.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace q7582 {

struct RecordingMeta {
    int formatVersion = 0;
    std::int64_t startedMs = 0;
    QString siteName;
    QString names; // the site's names in force when recording started, as text
};

struct RecordedRead {
    std::int64_t ms = 0;
    TapStream stream = TapStream::MasterPage0;
    RecordBytes bytes{};
};

struct RecordedEvent {
    std::int64_t ms = 0;
    TapEvent kind = TapEvent::Unplugged;
    std::int64_t value = 0;
    QString detail;
};

enum class RecordedDevice { None, Master, Generator };

// The whole status at one instant: the last read of each stream at or before it.
struct RecordedStatus {
    RecordedDevice device = RecordedDevice::None; // connected then, from the events
    StatusBlock master;
    GeneratorStatus generator;
    // When each stream was last read, or -1 when it was not read before that instant.
    std::array<std::int64_t, TapStreams> readMs{-1, -1, -1};
};

struct TimeSpan {
    std::int64_t firstMs = 0;
    std::int64_t lastMs = 0;
    bool empty() const { return lastMs < firstMs; }
};

class RecordingReader {
public:
    ~RecordingReader();

    // Opens a recording, or says in error why not: not a regular file (a FIFO, a folder,
    // a device: refused before it is opened), not a recording, damaged, truncated, made by
    // another program, or of a newer format.
    static std::unique_ptr<RecordingReader> open(const QString& path, QString* error);

    const QString& path() const { return path_; }
    const RecordingMeta& meta() const { return meta_; }
    // From the first read or event to the last, as of the last refresh.
    TimeSpan span() const { return span_; }
    // Looks again for the end of a recording still being written: true when it grew.
    bool refresh();

    RecordedStatus statusAt(std::int64_t ms) const;
    // Every read in [fromMs, toMs] in time order, across the streams; each returns false
    // to stop. Streamed: a block at a time.
    void forEachRead(std::int64_t fromMs, std::int64_t toMs,
                     const std::function<bool(const RecordedRead&)>& each) const;
    // The reads of one stream in [fromMs, toMs].
    void forEachRead(TapStream stream, std::int64_t fromMs, std::int64_t toMs,
                     const std::function<bool(const RecordedRead&)>& each) const;
    void forEachEvent(std::int64_t fromMs, std::int64_t toMs,
                      const std::function<bool(const RecordedEvent&)>& each) const;
    std::vector<RecordedEvent> events(std::int64_t fromMs, std::int64_t toMs) const;
    // Summaries of one stream covering [fromMs, toMs], each at most about resolutionMs
    // long where the recording has them that fine: the coarsest stored level whose pieces
    // are no longer than resolutionMs, finer ones for the end not yet summarised coarsely.
    // In time order; they do not overlap.
    std::vector<LaneSummary> summaries(TapStream stream, std::int64_t fromMs, std::int64_t toMs,
                                       std::int64_t resolutionMs) const;
    // Reads and events in the file, as of the last refresh.
    std::int64_t readCount() const { return readCount_; }
    // Why reads were missing from an answer: a block that cannot be decoded, met while
    // reading (the file opened whole). Empty while none was met.
    const QString& damage() const { return damage_; }
    // Damaged blocks met so far, each time one is met: a walk that raised it met one.
    std::int64_t damageMet() const { return damageMet_; }
    // decodeBlock, noting a damaged block in damage(): false for one.
    bool decode(const QByteArray& data, std::int64_t firstMs,
                const std::function<bool(std::int64_t, const RecordBytes&)>& each) const;

private:
    RecordingReader() = default;
    bool load(QString* error);
    std::optional<RecordBytes> lastReadAt(TapStream stream, std::int64_t ms, std::int64_t* readMs) const;

    QString path_;
    QString connection_;
    RecordingMeta meta_;
    TimeSpan span_{0, -1};
    std::int64_t readCount_ = 0;
    mutable QString damage_;
    mutable std::int64_t damageMet_ = 0;
};

} // namespace q7582
