#include "recorder/RecordingReader.h"
#include "EventWait.h"
#include "FileFixture.h"
#include "SqlExec.h"
#include "recorder/RecordingWriter.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>
#include <map>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace q7582;

namespace {

struct Written {
    std::vector<RecordedRead> reads;
    std::vector<RecordedEvent> events;
};

// A master polled ten times a second (page 1 every tenth read), unplugged for a while,
// then a generator: levels and bits move at random, some reads change nothing.
Written scriptedActivity(int reads, unsigned seed)
{
    std::mt19937 random(seed);
    Written w;
    std::array<RecordBytes, TapStreams> last{};
    std::int64_t ms = 1'700'000'000'000;
    w.events.push_back({ms, TapEvent::ConnectedMaster, 3, {}});
    for (int i = 0; i < reads; ++i, ms += 100) {
        if (i == reads / 2)
            w.events.push_back({ms, TapEvent::Unplugged, 0, {}});
        if (i > reads / 2 && i < reads / 2 + 20)
            continue;
        if (i == reads / 2 + 20)
            w.events.push_back({ms, TapEvent::ConnectedGenerator, 0, "generator"});
        const auto stream = i > reads / 2 ? TapStream::Generator : TapStream(i % 10 == 9);
        auto& record = last[int(stream)];
        for (int changes = int(random() % 5); changes > 0; --changes)
            record[random() % TapRecordSize] = Byte(random());
        w.reads.push_back({ms, stream, record});
    }
    return w;
}

void writeRecording(const QString& path, const Written& w)
{
    QString error;
    auto writer = RecordingWriter::create(path, {"Hall", "zone 1=Entrance"}, &error);
    ASSERT_TRUE(writer) << error.toStdString();
    auto event = w.events.begin();
    for (const auto& read : w.reads) {
        for (; event != w.events.end() && event->ms <= read.ms; ++event)
            writer->event(event->kind, event->value, event->detail.toStdString(), event->ms);
        writer->read(read.stream, read.bytes.data(), read.ms);
    }
    writer->stop();
    EXPECT_EQ(std::tuple(writer->readsWritten(), writer->readsLost()), std::tuple(std::int64_t(w.reads.size()), 0));
}

class RecordingReaderTest : public FileFixture {
protected:
    // Reads from..to-1 of page 0, the record as it is; true once the writer has written them.
    bool feed(RecordingWriter& writer, int from, int to)
    {
        for (int i = from; i < to; ++i)
            writer.read(TapStream::MasterPage0, record.data(), 1000 + i);
        return test::spinUntil([&] { return writer.readsWritten() == to; });
    }
    QString error;
    RecordBytes record{};
};

} // namespace

// Every instant's status, every read and every lane summary match a brute-force replay.
TEST_F(RecordingReaderTest, RebuildsWhatWasRecordedExactlyRefusesWhatIsNotARecordingAndFollowsOneBeingWritten)
{
    const Written w = scriptedActivity(3000, 7);
    writeRecording(at("a.q7582rec"), w);
    auto reader = RecordingReader::open(at("a.q7582rec"), &error);
    ASSERT_TRUE(reader) << error.toStdString();
    EXPECT_EQ(std::tuple(reader->meta().siteName, reader->meta().names, reader->span().firstMs, reader->span().lastMs,
                         reader->readCount()),
              std::tuple(QString("Hall"), QString("zone 1=Entrance"), w.events.front().ms, w.reads.back().ms,
                         std::int64_t(w.reads.size())));

    std::size_t next = 0;
    reader->forEachRead(w.reads.front().ms, w.reads.back().ms, [&](const RecordedRead& r) {
        EXPECT_TRUE(next < w.reads.size() && r.ms == w.reads[next].ms && r.stream == w.reads[next].stream
                    && r.bytes == w.reads[next].bytes)
            << "read " << next;
        ++next;
        return true;
    });
    EXPECT_EQ(next, w.reads.size());

    std::mt19937 random(11);
    for (int probe = 0; probe < 200; ++probe) {
        const std::int64_t at = w.reads.front().ms - 50 + std::int64_t(random() % (w.reads.size() * 100 + 2000));
        std::array<std::int64_t, TapStreams> readMs{-1, -1, -1};
        std::array<RecordBytes, TapStreams> expected{};
        for (const auto& r : w.reads)
            if (r.ms <= at) {
                expected[int(r.stream)] = r.bytes;
                readMs[int(r.stream)] = r.ms;
            }
        RecordedDevice device = RecordedDevice::None;
        for (const auto& e : w.events)
            if (e.ms <= at)
                device = e.kind == TapEvent::ConnectedMaster      ? RecordedDevice::Master
                         : e.kind == TapEvent::ConnectedGenerator ? RecordedDevice::Generator
                                                                  : RecordedDevice::None;
        const RecordedStatus status = reader->statusAt(at);
        ASSERT_EQ(status.readMs, readMs) << "at " << at;
        EXPECT_EQ(status.device, device) << "at " << at;
        EXPECT_TRUE(std::equal(expected[0].begin(), expected[0].end(), status.master.page(0))) << "at " << at;
        EXPECT_TRUE(std::equal(expected[1].begin(), expected[1].end(), status.master.page(1))) << "at " << at;
        EXPECT_TRUE(std::equal(expected[2].begin(), expected[2].end(), status.generator.data())) << "at " << at;
    }

    // Summaries at each zoom: consecutive, every read counted once, each lane's bounds and changes exact.
    for (const std::int64_t resolution : {1, 10'000, 200'000}) {
        const auto pieces = reader->summaries(TapStream::MasterPage0, 0, w.reads.back().ms, resolution);
        ASSERT_FALSE(pieces.empty());
        int reads = 0;
        for (const auto& piece : pieces) {
            LaneSummary expected;
            const RecordBytes* previous = nullptr;
            for (const auto& r : w.reads)
                if (r.stream == TapStream::MasterPage0) {
                    if (r.ms >= piece.firstMs && r.ms <= piece.lastMs)
                        expected.add(r.ms, r.bytes, previous);
                    previous = &r.bytes;
                }
            reads += piece.reads;
            EXPECT_EQ(piece.encode(), expected.encode()) << "resolution " << resolution << " at " << piece.firstMs;
        }
        EXPECT_EQ(reads, std::count_if(w.reads.begin(), w.reads.end(),
                                       [](const auto& r) { return r.stream == TapStream::MasterPage0; }));
        EXPECT_EQ(resolution == 200'000, pieces.size() < 10) << pieces.size() << " pieces at " << resolution;
    }
    const auto events = reader->events(w.events[1].ms, w.reads.back().ms);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(std::tuple(events[1].kind, events[1].detail), std::tuple(TapEvent::ConnectedGenerator, "generator"));

    // Anything but a whole recording of this format is refused at once, with its reason.
    writeRecording(at("good"), scriptedActivity(500, 3));
    const std::string good = read("good");
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    write("text", "zone 1=Entrance\n");
    write("empty", "");
    write("truncated", good.substr(0, good.size() / 2));
    std::string damaged = good;
    for (std::size_t page = 4096; page < damaged.size(); page += 4096) // every page header but the first
        std::fill_n(damaged.begin() + std::ptrdiff_t(page), 16, '\x5A');
    write("damaged", damaged);
    write("newer", good);
    write("foreign", "");
    ::unlink(path("foreign").c_str());
    ASSERT_TRUE(test::sqlExec(at("newer"), "UPDATE meta SET value='2' WHERE key='format'"));
    ASSERT_TRUE(test::sqlExec(at("foreign"), "CREATE TABLE contacts(name TEXT)"));
    const std::map<QString, QString> expected{
        {at("fifo"), "is not a regular file"},
        {"/dev/zero", "is not a regular file"},
        {QString::fromStdString(dir()), "is a folder"},
        {at("text"), "is not a recording"},
        {at("empty"), "is not a recording"},
        {at("truncated"), "is truncated"},
        {at("damaged"), "is damaged"},
        {at("newer"), "newer version (format 2"},
        {at("foreign"), "database of another program"},
        {at("missing"), "No such file"},
    };
    for (const auto& [name, reason] : expected) {
        QString error;
        EXPECT_FALSE(RecordingReader::open(name, &error)) << name.toStdString();
        EXPECT_TRUE(error.contains(reason)) << name.toStdString() << ": " << error.toStdString();
    }

    // A reader follows a recording still being written, and the writer goes on undisturbed.
    auto writer = RecordingWriter::create(at("live"), {}, &error);
    ASSERT_TRUE(writer) << error.toStdString();
    ASSERT_TRUE(feed(*writer, 0, 100)) << writer->readsWritten();
    auto follower = RecordingReader::open(at("live"), &error);
    ASSERT_TRUE(follower) << error.toStdString();
    EXPECT_EQ(follower->readCount(), 100);
    record[5] = 9;
    ASSERT_TRUE(feed(*writer, 100, 150)) << writer->readsWritten();
    EXPECT_TRUE(follower->refresh());
    EXPECT_EQ(follower->span().lastMs, 1149);
    EXPECT_EQ(follower->statusAt(1149).master.bytes[5], 9);
    writer->stop();
    EXPECT_FALSE(writer->failed()) << writer->failure().toStdString();
    EXPECT_FALSE(follower->refresh());
}

// While another program holds the file's write lock the writer waits (Qt's busy timeout): the reads
// that do not fit in the queue are counted and kept as one gap, the worker is never held up,
// and the recording goes on once the lock is let go.
TEST_F(RecordingReaderTest, AFullQueueLosesReadsAsAGapAndTheRecordingGoesOn)
{
    auto writer = RecordingWriter::create(at("locked"), {}, &error);
    ASSERT_TRUE(writer) << error.toStdString();
    ASSERT_TRUE(feed(*writer, 0, 64)) << writer->readsWritten();
    auto other = QSqlDatabase::addDatabase("QSQLITE", "other");
    other.setDatabaseName(at("locked"));
    ASSERT_TRUE(other.open());
    ASSERT_TRUE(QSqlQuery(other).exec("BEGIN IMMEDIATE"));
    const int pushed = 3 * RecordingWriter::QueueLimit;
    for (int i = 0; i < pushed; ++i)
        writer->read(TapStream::MasterPage0, record.data(), 2000 + i);
    const std::int64_t lost = writer->readsLost();
    EXPECT_GT(lost, 0);
    EXPECT_TRUE(QSqlQuery(other).exec("ROLLBACK"));
    other.close();
    other = {};
    QSqlDatabase::removeDatabase("other");
    EXPECT_TRUE(test::spinUntil([&] { return writer->readsWritten() == 64 + pushed - lost; }, 15000))
        << writer->readsWritten() << " of " << 64 + pushed - lost;
    const std::int64_t end = 2000 + pushed; // the first read after the flood
    record[1] = 1;
    writer->read(TapStream::MasterPage0, record.data(), end);
    writer->stop();
    EXPECT_FALSE(writer->failed()) << writer->failure().toStdString();
    EXPECT_EQ(writer->readsLost(), lost);

    auto reader = RecordingReader::open(at("locked"), &error);
    ASSERT_TRUE(reader) << error.toStdString();
    EXPECT_EQ(reader->readCount(), writer->readsWritten());
    // The writer may take the queue while the flood goes on, so the loss can come as more
    // than one stretch: each is one gap, said at the read after it, with its count.
    std::vector<std::pair<std::int64_t, std::int64_t>> missing, said;
    std::int64_t previous = 1999, missed = 0;
    reader->forEachRead(TapStream::MasterPage0, 2000, end, [&](const RecordedRead& read) {
        if (read.ms > previous + 1)
            missing.emplace_back(read.ms, read.ms - previous - 1);
        missed += read.ms - previous - 1;
        previous = read.ms;
        return true;
    });
    for (const auto& event : reader->events(0, end)) {
        EXPECT_EQ(event.kind, TapEvent::ReadsLost);
        said.emplace_back(event.ms, event.value);
    }
    EXPECT_EQ(std::tuple(said, missed, previous), std::tuple(missing, lost, end));
    EXPECT_EQ(reader->statusAt(end).master.bytes[1], 1);
}

// A disk that fills up stops the recording with the reason; what was committed stays readable.
TEST_F(RecordingReaderTest, AFullDiskStopsTheRecordingAndKeepsTheFileReadable)
{
    auto writer = RecordingWriter::create(at("full"), {}, &error);
    ASSERT_TRUE(writer) << error.toStdString();
    ASSERT_TRUE(feed(*writer, 0, 64)) << writer->readsWritten();
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit full = old;
    full.rlim_cur = rlim_t(writer->bytesOnDisk() + 1);
    ::setrlimit(RLIMIT_FSIZE, &full);
    for (int i = 64; i < 4000; ++i) {
        record[i % 64] = Byte(i);
        writer->read(TapStream::MasterPage0, record.data(), 1000 + i);
    }
    const bool failed = test::spinUntil([&] { return writer->failed(); });
    ::setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_TRUE(failed);
    EXPECT_TRUE(writer->failure().startsWith("Recording stopped: ")) << writer->failure().toStdString();
    writer->read(TapStream::MasterPage0, record.data(), 9000); // refused, never blocks
    writer->stop();
    auto reader = RecordingReader::open(at("full"), &error);
    ASSERT_TRUE(reader) << error.toStdString();
    EXPECT_GE(reader->readCount(), 64);
    EXPECT_LT(reader->span().lastMs, 9000);
}
