#include "recorder/RecordingReader.h"

#include "model/FilePath.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {

namespace {

std::atomic<int> connectionSerial{0};

constexpr char SqliteMagic[] = "SQLite format 3";
constexpr int HeaderSize = 100;

std::uint32_t readBe32(const Byte* p) { return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// The file itself, before SQLite sees it: a regular file that starts as a database and
// is as long as its header says. Empty when it may be opened.
QString checkFile(const QString& path)
{
    const std::string name = filePath(path);
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0)
        return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("RecordingReader", "%1 is a folder, not a recording").arg(path);
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("RecordingReader", "%1 is not a regular file, so not a recording").arg(path);
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    Byte header[HeaderSize] = {};
    const auto got = ::read(fd, header, HeaderSize);
    ::close(fd);
    if (got < 0)
        return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    const bool magic =
        std::memcmp(header, SqliteMagic, std::min<std::size_t>(std::size_t(got), sizeof SqliteMagic)) == 0;
    if (got == 0 || !magic)
        return QCoreApplication::translate("RecordingReader", "%1 is not a recording").arg(path);
    if (got < HeaderSize)
        return QCoreApplication::translate("RecordingReader", "%1 is truncated: not a whole recording").arg(path);
    const std::uint32_t pageSize = header[16] << 8 | header[17];
    const std::uint32_t pages = readBe32(header + 28);
    const bool countValid = std::memcmp(header + 24, header + 92, 4) == 0;
    struct stat wal {};
    const bool walPending = ::stat((name + "-wal").c_str(), &wal) == 0 && wal.st_size > 0;
    const auto bytes = std::uint64_t(pageSize == 1 ? 65536 : pageSize) * pages;
    if (countValid && !walPending && std::uint64_t(st.st_size) < bytes)
        return QCoreApplication::translate("RecordingReader", "%1 is truncated: not a whole recording").arg(path);
    return {};
}

// The reads of one stream within a span, a block at a time.
class StreamCursor {
public:
    StreamCursor(const RecordingReader& reader, const QSqlDatabase& db, int stream, std::int64_t fromMs,
                 std::int64_t toMs)
        : reader_(reader), query_(db), stream_(TapStream(stream)), fromMs_(fromMs), toMs_(toMs)
    {
        query_.setForwardOnly(true);
        query_.prepare(QStringLiteral("SELECT first_ms, data FROM blocks WHERE stream=? AND first_ms<=? AND "
                                      "last_ms>=? ORDER BY first_ms"));
        query_.addBindValue(stream);
        query_.addBindValue(qint64(toMs));
        query_.addBindValue(qint64(fromMs));
        query_.exec();
    }

    // The next read in the span, or null at the end.
    const RecordedRead* peek()
    {
        while (at_ == reads_.size()) {
            if (!query_.isActive() || !query_.next())
                return nullptr;
            reads_.clear();
            at_ = 0;
            reader_.decode(query_.value(1).toByteArray(), query_.value(0).toLongLong(),
                           [this](std::int64_t ms, const RecordBytes& record) {
                               if (ms >= fromMs_ && ms <= toMs_)
                                   reads_.push_back({ms, stream_, record});
                               return ms <= toMs_;
                           });
        }
        return &reads_[at_];
    }
    void pop() { ++at_; }

private:
    const RecordingReader& reader_;
    QSqlQuery query_;
    TapStream stream_;
    std::int64_t fromMs_;
    std::int64_t toMs_;
    std::vector<RecordedRead> reads_;
    std::size_t at_ = 0;
};

} // namespace

bool RecordingReader::decode(const QByteArray& data, std::int64_t firstMs,
                             const std::function<bool(std::int64_t, const RecordBytes&)>& each) const
{
    bool stopped = false;
    if (decodeBlock(data, firstMs, each, &stopped) || stopped)
        return true;
    ++damageMet_;
    if (damage_.isEmpty())
        damage_ = QCoreApplication::translate("RecordingReader",
                                              "%1 is damaged: the reads recorded from %2 on cannot be read")
                      .arg(path_, QDateTime::fromMSecsSinceEpoch(firstMs, Qt::UTC).toString(Qt::ISODateWithMs));
    return false;
}

RecordingReader::~RecordingReader()
{
    {
        auto db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

std::unique_ptr<RecordingReader> RecordingReader::open(const QString& path, QString* error)
{
    *error = checkFile(path);
    if (!error->isEmpty())
        return {};
    std::unique_ptr<RecordingReader> reader(new RecordingReader);
    reader->path_ = path;
    reader->connection_ = QStringLiteral("q7582-recording-reader-%1").arg(connectionSerial++);
    if (!reader->load(error))
        return {};
    return reader;
}

bool RecordingReader::load(QString* error)
{
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        *error =
            QCoreApplication::translate("RecordingReader", "%1 cannot be opened: %2").arg(path_, db.lastError().text());
        return false;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next() || q.value(0).toString() != u"ok") {
        *error = QCoreApplication::translate("RecordingReader", "%1 is damaged").arg(path_);
        return false;
    }
    if (!q.exec(QStringLiteral("SELECT key, value FROM meta"))) {
        *error = QCoreApplication::translate("RecordingReader", "%1 is a database of another program, not a recording")
                     .arg(path_);
        return false;
    }
    QString kind;
    while (q.next()) {
        const QString key = q.value(0).toString();
        const QString value = q.value(1).toString();
        if (key == u"kind")
            kind = value;
        else if (key == u"format")
            meta_.formatVersion = value.toInt();
        else if (key == u"started")
            meta_.startedMs = value.toLongLong();
        else if (key == u"site")
            meta_.siteName = value;
        else if (key == u"names")
            meta_.names = value;
    }
    if (kind != QLatin1String(RecordingKind) || meta_.formatVersion < 1) {
        *error = QCoreApplication::translate("RecordingReader", "%1 is a database of another program, not a recording")
                     .arg(path_);
        return false;
    }
    if (meta_.formatVersion > RecordingFormatVersion) {
        *error = QCoreApplication::translate("RecordingReader",
                                             "%1 was recorded by a newer version (format %2; this one reads format %3)")
                     .arg(path_)
                     .arg(meta_.formatVersion)
                     .arg(RecordingFormatVersion);
        return false;
    }
    if (!q.exec(QStringLiteral("SELECT count(*) FROM blocks"))
        || !q.exec(QStringLiteral("SELECT count(*) FROM events"))) {
        *error = QCoreApplication::translate("RecordingReader", "%1 is damaged: %2").arg(path_, q.lastError().text());
        return false;
    }
    refresh();
    return true;
}

bool RecordingReader::refresh()
{
    const auto db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    TimeSpan span{0, -1};
    std::int64_t reads = 0;
    const auto widen = [&span](std::int64_t first, std::int64_t last) {
        if (span.empty()) {
            span = {first, last};
        } else {
            span.firstMs = std::min(span.firstMs, first);
            span.lastMs = std::max(span.lastMs, last);
        }
    };
    for (int s = 0; s < TapStreams; ++s) {
        q.prepare(QStringLiteral("SELECT count(*), min(first_ms) FROM blocks WHERE stream=?"));
        q.addBindValue(s);
        if (!q.exec() || !q.next() || q.value(0).toLongLong() == 0)
            continue;
        const auto blocks = q.value(0).toLongLong();
        const auto first = q.value(1).toLongLong();
        q.prepare(QStringLiteral("SELECT last_ms, reads FROM blocks WHERE stream=? ORDER BY first_ms DESC LIMIT 1"));
        q.addBindValue(s);
        if (!q.exec() || !q.next())
            continue;
        reads += (blocks - 1) * BlockReads + q.value(1).toLongLong();
        widen(first, q.value(0).toLongLong());
    }
    if (q.exec(QStringLiteral("SELECT min(ms), max(ms), count(*) FROM events")) && q.next()
        && q.value(2).toLongLong() > 0)
        widen(q.value(0).toLongLong(), q.value(1).toLongLong());
    const bool grew = span.lastMs != span_.lastMs || reads != readCount_;
    span_ = span;
    readCount_ = reads;
    return grew;
}

std::optional<RecordBytes> RecordingReader::lastReadAt(TapStream stream, std::int64_t ms, std::int64_t* readMs) const
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral(
        "SELECT first_ms, data FROM blocks WHERE stream=? AND first_ms<=? ORDER BY first_ms DESC LIMIT 1"));
    q.addBindValue(int(stream));
    q.addBindValue(qint64(ms));
    if (!q.exec() || !q.next())
        return {};
    std::optional<RecordBytes> found;
    decode(q.value(1).toByteArray(), q.value(0).toLongLong(), [&](std::int64_t at, const RecordBytes& record) {
        if (at > ms)
            return false;
        found = record;
        *readMs = at;
        return true;
    });
    return found;
}

RecordedStatus RecordingReader::statusAt(std::int64_t ms) const
{
    RecordedStatus status;
    for (int s = 0; s < TapStreams; ++s) {
        const auto record = lastReadAt(TapStream(s), ms, &status.readMs[s]);
        if (!record)
            continue;
        Byte* target = s == int(TapStream::Generator) ? status.generator.data() : status.master.page(s);
        std::copy(record->begin(), record->end(), target);
    }
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT kind FROM events WHERE ms<=? AND kind IN (?, ?, ?, ?) ORDER BY ms DESC, id DESC "
                             "LIMIT 1"));
    q.addBindValue(qint64(ms));
    for (auto kind : {TapEvent::Unplugged, TapEvent::IdSearch, TapEvent::ConnectedMaster, TapEvent::ConnectedGenerator})
        q.addBindValue(int(kind));
    if (q.exec() && q.next()) {
        const auto kind = TapEvent(q.value(0).toInt());
        status.device = kind == TapEvent::ConnectedMaster      ? RecordedDevice::Master
                        : kind == TapEvent::ConnectedGenerator ? RecordedDevice::Generator
                                                               : RecordedDevice::None;
    } else if (status.readMs[int(TapStream::Generator)] >= 0 || status.readMs[0] >= 0) {
        // No connection recorded: the device of the latest read.
        status.device = status.readMs[int(TapStream::Generator)] > std::max(status.readMs[0], status.readMs[1])
                            ? RecordedDevice::Generator
                            : RecordedDevice::Master;
    }
    return status;
}

void RecordingReader::forEachRead(std::int64_t fromMs, std::int64_t toMs,
                                  const std::function<bool(const RecordedRead&)>& each) const
{
    const auto db = QSqlDatabase::database(connection_, false);
    std::vector<std::unique_ptr<StreamCursor>> cursors;
    for (int s = 0; s < TapStreams; ++s)
        cursors.push_back(std::make_unique<StreamCursor>(*this, db, s, fromMs, toMs));
    for (;;) {
        StreamCursor* next = nullptr;
        const RecordedRead* earliest = nullptr;
        for (auto& cursor : cursors)
            if (const auto* read = cursor->peek(); read && (!earliest || read->ms < earliest->ms)) {
                earliest = read;
                next = cursor.get();
            }
        if (!earliest || !each(*earliest))
            return;
        next->pop();
    }
}

void RecordingReader::forEachRead(TapStream stream, std::int64_t fromMs, std::int64_t toMs,
                                  const std::function<bool(const RecordedRead&)>& each) const
{
    StreamCursor cursor(*this, QSqlDatabase::database(connection_, false), int(stream), fromMs, toMs);
    for (const RecordedRead* read = cursor.peek(); read && each(*read); read = cursor.peek())
        cursor.pop();
}

void RecordingReader::forEachEvent(std::int64_t fromMs, std::int64_t toMs,
                                   const std::function<bool(const RecordedEvent&)>& each) const
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT ms, kind, value, detail FROM events WHERE ms>=? AND ms<=? ORDER BY ms, id"));
    q.addBindValue(qint64(fromMs));
    q.addBindValue(qint64(toMs));
    if (!q.exec())
        return;
    while (q.next())
        if (!each({q.value(0).toLongLong(), TapEvent(q.value(1).toInt()), q.value(2).toLongLong(),
                   q.value(3).toString()}))
            return;
}

std::vector<RecordedEvent> RecordingReader::events(std::int64_t fromMs, std::int64_t toMs) const
{
    std::vector<RecordedEvent> found;
    forEachEvent(fromMs, toMs, [&found](const RecordedEvent& e) {
        found.push_back(e);
        return true;
    });
    return found;
}

std::vector<LaneSummary> RecordingReader::summaries(TapStream stream, std::int64_t fromMs, std::int64_t toMs,
                                                    std::int64_t resolutionMs) const
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    // How long a block of this stream lasts, from its first and last stored blocks.
    q.prepare(QStringLiteral("SELECT count(*), min(first_ms), max(first_ms) FROM blocks WHERE stream=?"));
    q.addBindValue(int(stream));
    if (!q.exec() || !q.next() || q.value(0).toLongLong() == 0)
        return {};
    const auto blocks = q.value(0).toLongLong();
    const auto blockMs = blocks > 1 ? (q.value(2).toLongLong() - q.value(1).toLongLong()) / (blocks - 1) : 0;
    int level = 0;
    for (std::int64_t pieceMs = blockMs * SummaryFanout; level + 1 < SummaryLevels && pieceMs <= resolutionMs;
         pieceMs *= SummaryFanout)
        ++level;

    std::vector<LaneSummary> found;
    std::int64_t covered = fromMs - 1; // the last instant the summaries found so far cover
    for (; level >= 0; --level) {
        if (level == 0)
            q.prepare(QStringLiteral("SELECT summary FROM blocks WHERE stream=? AND first_ms<=? AND last_ms>=? AND "
                                     "first_ms>? ORDER BY first_ms"));
        else
            q.prepare(QStringLiteral("SELECT summary FROM summaries WHERE stream=? AND first_ms<=? AND last_ms>=? AND "
                                     "first_ms>? AND level=%1 ORDER BY first_ms")
                          .arg(level));
        q.addBindValue(int(stream));
        q.addBindValue(qint64(toMs));
        q.addBindValue(qint64(fromMs));
        q.addBindValue(qint64(found.empty() ? std::numeric_limits<std::int64_t>::min() : covered));
        if (!q.exec())
            continue;
        while (q.next()) {
            LaneSummary summary;
            if (summary.decode(q.value(0).toByteArray())) {
                found.push_back(summary);
                covered = summary.lastMs;
            }
        }
    }
    return found;
}

} // namespace q7582
