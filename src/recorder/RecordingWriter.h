#pragma once
// Writes a recording as it goes, on a thread of its own. The link's worker hands it
// reads and events through StatusTap; they are copied into a bounded queue and the call
// returns at once. When the queue is full the reads are counted as lost and the gap is
// recorded; the worker is never held up. The writer commits at least twice a second, so
// a killed program loses at most the last second.

#include "model/StatusTap.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace q7582 {

struct RecordingStart {
    QString siteName;
    QString names; // the site's names in force, as text
};

class RecordingWriter : public StatusTap {
public:
    static constexpr int QueueLimit = 4096;
    static constexpr int CommitIntervalMs = 500;

    // Creates the file (it must not exist) and starts writing; null with the reason.
    static std::unique_ptr<RecordingWriter> create(const QString& path, const RecordingStart& start, QString* error);
    ~RecordingWriter() override; // stops

    void read(TapStream stream, const Byte* record, std::int64_t ms) override;
    void event(TapEvent kind, std::int64_t value, const std::string& detail, std::int64_t ms) override;

    // Writes what is queued, closes the file and joins the thread.
    void stop();

    const QString& path() const { return path_; }
    std::int64_t startedMs() const { return startedMs_; }
    std::int64_t readsWritten() const { return readsWritten_; }
    std::int64_t readsLost() const { return readsLost_; }
    std::int64_t bytesOnDisk() const { return bytesOnDisk_; }
    // The writer stopped on a fault (disk full, folder read-only): what happened.
    bool failed() const { return failed_; }
    QString failure() const;

    struct Item {
        bool isRead = true;
        TapStream stream = TapStream::MasterPage0;
        TapEvent kind = TapEvent::Unplugged;
        std::int64_t ms = 0;
        std::int64_t value = 0;
        Byte record[TapRecordSize] = {};
        std::string detail;
    };

private:
    explicit RecordingWriter(const QString& path) : path_(path) {}
    void run(const RecordingStart& start, std::promise<QString>* opened);
    void fail(const QString& why);
    bool push(Item&& item);

    class Store;
    QString path_;
    std::int64_t startedMs_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Item> queue_;
    bool stopping_ = false;
    std::int64_t pendingLost_ = 0; // lost since the last gap was queued (under mutex_)
    QString failure_;              // under mutex_
    std::atomic<std::int64_t> readsWritten_{0};
    std::atomic<std::int64_t> readsLost_{0};
    std::atomic<std::int64_t> bytesOnDisk_{0};
    std::atomic<bool> failed_{false};
};

} // namespace q7582
