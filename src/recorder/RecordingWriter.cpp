#include "recorder/RecordingWriter.h"

#include "recorder/RecordingFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <chrono>
#include <pthread.h>

namespace q7582 {

namespace {

std::atomic<int> connectionSerial{0};

const char* const Schema[] = {
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE blocks(id INTEGER PRIMARY KEY, stream INTEGER NOT NULL, first_ms INTEGER NOT NULL, "
    "last_ms INTEGER NOT NULL, reads INTEGER NOT NULL, data BLOB NOT NULL, summary BLOB NOT NULL)",
    "CREATE INDEX blocks_by_time ON blocks(stream, first_ms)",
    "CREATE TABLE summaries(stream INTEGER NOT NULL, level INTEGER NOT NULL, first_ms INTEGER NOT NULL, "
    "last_ms INTEGER NOT NULL, reads INTEGER NOT NULL, summary BLOB NOT NULL, PRIMARY KEY(stream, level, first_ms))",
    "CREATE TABLE events(id INTEGER PRIMARY KEY, ms INTEGER NOT NULL, kind INTEGER NOT NULL, "
    "value INTEGER NOT NULL, detail TEXT NOT NULL)",
    "CREATE INDEX events_by_time ON events(ms)",
};

} // namespace

// The database side, on the writer's thread only.
class RecordingWriter::Store {
public:
    explicit Store(const QString& path)
        : name_(QStringLiteral("q7582-recording-writer-%1").arg(connectionSerial++)), path_(path)
    {
    }
    ~Store()
    {
        {
            auto db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    QString create(const RecordingStart& start, std::int64_t startedMs)
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path_);
        if (!db.open())
            return db.lastError().text();
        for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
            if (!exec(pragma))
                return error_;
        if (!db.transaction())
            return db.lastError().text();
        for (const char* statement : Schema)
            if (!exec(statement))
                return error_;
        const std::pair<const char*, QString> meta[] = {
            {"format", QString::number(RecordingFormatVersion)},
            {"kind", QString::fromLatin1(RecordingKind)},
            {"started", QString::number(startedMs)},
            {"site", start.siteName},
            {"names", start.names},
        };
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO meta(key, value) VALUES(?, ?)"));
        for (const auto& [key, value] : meta) {
            q.addBindValue(QString::fromLatin1(key));
            q.addBindValue(value.isNull() ? QStringLiteral("") : value);
            if (!q.exec())
                return q.lastError().text();
        }
        if (!db.commit())
            return db.lastError().text();
        return {};
    }

    // Writes the items and commits; false with error() on failure.
    bool write(const std::vector<Item>& items, std::int64_t& reads)
    {
        auto db = QSqlDatabase::database(name_, false);
        if (!db.transaction())
            return fail(db.lastError().text());
        for (const auto& item : items) {
            if (item.isRead ? !addRead(item) : !addEvent(item)) {
                db.rollback();
                return false;
            }
            reads += item.isRead;
        }
        for (int s = 0; s < TapStreams; ++s)
            if (!saveOpenBlock(s)) {
                db.rollback();
                return false;
            }
        if (!db.commit())
            return fail(db.lastError().text());
        return true;
    }

    // The summaries not yet complete, so that a closed recording has every level whole.
    bool finish()
    {
        auto db = QSqlDatabase::database(name_, false);
        if (!db.transaction())
            return fail(db.lastError().text());
        for (int s = 0; s < TapStreams; ++s)
            for (int level = 1; level < SummaryLevels; ++level)
                if (streams_[s].levels[level].reads > 0 && !saveSummary(s, level)) {
                    db.rollback();
                    return false;
                }
        if (!db.commit())
            return fail(db.lastError().text());
        exec("PRAGMA journal_mode=DELETE"); // a reader may hold it: the file stays in WAL then
        return true;
    }

    const QString& error() const { return error_; }

private:
    struct Stream {
        BlockEncoder block;
        qint64 blockId = -1; // its row, once written
        LaneSummary levels[SummaryLevels];
        int parts[SummaryLevels] = {}; // pieces of the level below in each level's summary
        RecordBytes last{};
        bool any = false;
    };

    bool addRead(const Item& item)
    {
        auto& s = streams_[int(item.stream)];
        RecordBytes record;
        std::copy_n(item.record, TapRecordSize, record.begin());
        if (s.block.reads() == BlockReads && !closeBlock(int(item.stream)))
            return false;
        s.block.add(item.ms, record);
        s.levels[0].add(item.ms, record, s.any ? &s.last : nullptr);
        s.last = record;
        s.any = true;
        return true;
    }

    // The full block is written for the last time; its summary goes up the levels.
    bool closeBlock(int stream)
    {
        auto& s = streams_[stream];
        if (!saveOpenBlock(stream))
            return false;
        LaneSummary carry = s.levels[0];
        s.levels[0] = {};
        for (int level = 1; level < SummaryLevels; ++level) {
            s.levels[level].merge(carry);
            if (++s.parts[level] < SummaryFanout)
                break;
            if (!saveSummary(stream, level))
                return false;
            carry = s.levels[level];
            s.levels[level] = {};
            s.parts[level] = 0;
        }
        s.block.clear();
        s.blockId = -1;
        return true;
    }

    bool saveOpenBlock(int stream)
    {
        auto& s = streams_[stream];
        if (s.block.reads() == 0)
            return true;
        QSqlQuery q(QSqlDatabase::database(name_, false));
        if (s.blockId < 0)
            q.prepare(QStringLiteral(
                "INSERT INTO blocks(stream, first_ms, last_ms, reads, data, summary) VALUES(?, ?, ?, ?, ?, ?)"));
        else
            q.prepare(QStringLiteral("UPDATE blocks SET stream=?, first_ms=?, last_ms=?, reads=?, data=?, summary=? "
                                     "WHERE id=?"));
        for (const QVariant& v :
             {QVariant(stream), QVariant(qint64(s.block.firstMs())), QVariant(qint64(s.block.lastMs())),
              QVariant(s.block.reads()), QVariant(s.block.data()), QVariant(s.levels[0].encode())})
            q.addBindValue(v);
        if (s.blockId >= 0)
            q.addBindValue(s.blockId);
        if (!q.exec())
            return fail(q.lastError().text());
        if (s.blockId < 0)
            s.blockId = q.lastInsertId().toLongLong();
        return true;
    }

    bool saveSummary(int stream, int level)
    {
        const auto& summary = streams_[stream].levels[level];
        QSqlQuery q(QSqlDatabase::database(name_, false));
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO summaries(stream, level, first_ms, last_ms, reads, summary) "
                                 "VALUES(?, ?, ?, ?, ?, ?)"));
        for (const QVariant& v :
             {QVariant(stream), QVariant(level), QVariant(qint64(summary.firstMs)), QVariant(qint64(summary.lastMs)),
              QVariant(summary.reads), QVariant(summary.encode())})
            q.addBindValue(v);
        return q.exec() || fail(q.lastError().text());
    }

    bool addEvent(const Item& item)
    {
        QSqlQuery q(QSqlDatabase::database(name_, false));
        q.prepare(QStringLiteral("INSERT INTO events(ms, kind, value, detail) VALUES(?, ?, ?, ?)"));
        for (const QVariant& v : {QVariant(qint64(item.ms)), QVariant(int(item.kind)), QVariant(qint64(item.value)),
                                  QVariant(QString::fromStdString(item.detail))})
            q.addBindValue(v);
        return q.exec() || fail(q.lastError().text());
    }

    bool exec(const char* statement)
    {
        QSqlQuery q(QSqlDatabase::database(name_, false));
        return q.exec(QString::fromLatin1(statement)) || fail(q.lastError().text());
    }

    bool fail(const QString& why)
    {
        error_ = why;
        return false;
    }

    QString name_;
    QString path_;
    QString error_;
    std::array<Stream, TapStreams> streams_;
};

std::unique_ptr<RecordingWriter> RecordingWriter::create(const QString& path, const RecordingStart& start,
                                                         QString* error)
{
    if (QFileInfo::exists(path)) {
        *error = QCoreApplication::translate("RecordingWriter", "%1 exists already").arg(path);
        return {};
    }
    std::unique_ptr<RecordingWriter> writer(new RecordingWriter(path));
    writer->startedMs_ = tapNowMs();
    std::promise<QString> opened;
    auto result = opened.get_future();
    writer->thread_ = std::thread([w = writer.get(), start, &opened] { w->run(start, &opened); });
    *error = result.get();
    if (!error->isEmpty()) {
        writer->thread_.join();
        return {};
    }
    return writer;
}

RecordingWriter::~RecordingWriter() { stop(); }

void RecordingWriter::run(const RecordingStart& start, std::promise<QString>* opened)
{
    pthread_setname_np(pthread_self(), ThreadName);
    Store store(path_);
    const QString why = store.create(start, startedMs_);
    if (!why.isEmpty()) {
        opened->set_value(QCoreApplication::translate("RecordingWriter", "Cannot create %1: %2").arg(path_, why));
        return;
    }
    opened->set_value({});
    std::vector<Item> batch;
    for (;;) {
        bool last = false;
        {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, std::chrono::milliseconds(CommitIntervalMs),
                           [this] { return stopping_ || queue_.size() >= QueueLimit / 2; });
            batch.swap(queue_);
            last = stopping_;
        }
        std::int64_t reads = 0;
        if (!batch.empty() && !store.write(batch, reads)) {
            fail(store.error());
            return;
        }
        readsWritten_ += reads;
        batch.clear();
        bytesOnDisk_ = QFileInfo(path_).size() + QFileInfo(path_ + QStringLiteral("-wal")).size();
        if (last) {
            if (!store.finish())
                fail(store.error());
            bytesOnDisk_ = QFileInfo(path_).size() + QFileInfo(path_ + QStringLiteral("-wal")).size();
            return;
        }
    }
}

void RecordingWriter::fail(const QString& why)
{
    std::lock_guard lock(mutex_);
    failure_ = QCoreApplication::translate("RecordingWriter", "Recording stopped: %1").arg(why);
    queue_.clear();
    failed_ = true;
}

QString RecordingWriter::failure() const
{
    std::lock_guard lock(mutex_);
    return failure_;
}

bool RecordingWriter::push(Item&& item)
{
    std::lock_guard lock(mutex_);
    if (failed_ || stopping_)
        return false;
    // Events are few and each matters: they may use a second queue's worth of room.
    const std::size_t limit = item.isRead ? QueueLimit - 1 : 2 * QueueLimit; // a place kept for the gap
    if (queue_.size() >= limit) {
        pendingLost_ += item.isRead;
        return false;
    }
    if (pendingLost_ > 0) {
        Item gap;
        gap.isRead = false;
        gap.kind = TapEvent::ReadsLost;
        gap.ms = item.ms;
        gap.value = pendingLost_;
        queue_.push_back(std::move(gap));
        pendingLost_ = 0;
    }
    queue_.push_back(std::move(item));
    if (queue_.size() == QueueLimit / 2) // a burst: written before the queue fills
        wake_.notify_one();
    return true;
}

void RecordingWriter::read(TapStream stream, const Byte* record, std::int64_t ms)
{
    Item item;
    item.stream = stream;
    item.ms = ms;
    std::copy_n(record, TapRecordSize, item.record);
    if (!push(std::move(item)) && !failed_)
        ++readsLost_;
}

void RecordingWriter::event(TapEvent kind, std::int64_t value, const std::string& detail, std::int64_t ms)
{
    Item item;
    item.isRead = false;
    item.kind = kind;
    item.value = value;
    item.detail = detail;
    item.ms = ms;
    push(std::move(item));
}

void RecordingWriter::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

} // namespace q7582
