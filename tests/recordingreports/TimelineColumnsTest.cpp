#include "recordingreports/TimelineColumns.h"
#include "FileFixture.h"
#include "recorder/RecordingWriter.h"

namespace q7582 {

namespace {

constexpr std::int64_t T0 = 1'780'000'000'000;

// A minute of master reads, ten a second: input 1 on from 10 s to 20 s, the speech level
// rising by one every 5 s.
TEST(TimelineColumns, CoarseFromSummariesFineFromReads)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("r.q7582rec");
    QString error;
    {
        auto writer = RecordingWriter::create(file, {"Site", {}}, &error);
        ASSERT_TRUE(writer) << error.toStdString();
        writer->event(TapEvent::ConnectedMaster, 0, {}, T0);
        StatusBlock s;
        for (int k = 0; k < 600; ++k) {
            s.bytes[StatusBlock::InputStates] = k >= 100 && k < 200;
            s.setSpeechLevel(Byte(k / 50));
            writer->read(TapStream::MasterPage0, s.page(0), T0 + 100 * k);
        }
        writer->stop();
        ASSERT_EQ(writer->readsLost(), 0);
    }
    const auto reader = RecordingReader::open(file, &error);
    ASSERT_TRUE(reader) << error.toStdString();
    const std::vector<Lane> lanes = {{LaneGroup::Inputs, LaneField::Input, 0, {}},
                                     {LaneGroup::Levels, LaneField::SpeechLevel, 0, {}}};
    // The input's columns, then the level's.
    const TimelineSummaries summaries(*reader);
    const auto text = [&](qint64 from, qint64 to, int columns) {
        std::string t;
        for (const auto& lane : summaries.columns(lanes, {0, 1}, from, to, columns))
            for (const LaneColumn& c : lane)
                t += c.read ? std::to_string(c.low) + (c.changed ? "~" : "-") + std::to_string(c.high) + " " : "_ ";
        return t;
    };
    // 500 ms a column: each read in its column, the edges where they fall.
    EXPECT_EQ(text(T0 + 9000, T0 + 11000, 4), "0-0 0-0 1~1 1-1 1-1 1-1 2~2 2-2 ");
    EXPECT_EQ(text(T0 + 19000, T0 + 21000, 4), "1-1 1-1 0~0 0-0 3-3 3-3 4~4 4-4 ");
    EXPECT_EQ(text(T0 + 60000, T0 + 61000, 2), "_ _ _ _ ");
    // 20 s a column, from the blocks' summaries (6.4 s each, so a block across a column's
    // edge counts in both): the input on and off, the level's range.
    EXPECT_EQ(text(T0, T0 + 60000, 3), "0~1 0~1 0-0 0~5 3~8 7~11 ");
}

// The active source: input 1, then unit 1 (priority 2), then unit 2, 10 s each. Unit 1's
// lane is on only while the source is a unit and its number is 1.
TEST(TimelineColumns, AUnitIsActiveOnlyWhileTheSourceIsThatUnit)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("r.q7582rec");
    QString error;
    {
        auto writer = RecordingWriter::create(file, {"Site", {}}, &error);
        ASSERT_TRUE(writer) << error.toStdString();
        StatusBlock s;
        for (int k = 0; k < 300; ++k) {
            s.bytes[StatusBlock::ActiveSource] =
                Byte(k < 100 ? StatusBlock::SourceInput : 0x40 | StatusBlock::SourceUnit);
            s.bytes[StatusBlock::ActiveSourceNumber] = k < 200 ? 1 : 2;
            writer->read(TapStream::MasterPage0, s.page(0), T0 + 100 * k);
        }
        writer->stop();
    }
    const auto reader = RecordingReader::open(file, &error);
    ASSERT_TRUE(reader) << error.toStdString();
    const TimelineSummaries summaries(*reader);
    const auto text = [&](qint64 from, qint64 to, int n) {
        std::string t;
        const auto columns = summaries.columns({{LaneGroup::Units, LaneField::UnitActive, 0, {}}}, {0}, from, to, n);
        for (const LaneColumn& c : columns[0])
            t += std::to_string(c.low) + (c.changed ? "~" : "-") + std::to_string(c.high) + " ";
        return t;
    };
    EXPECT_EQ(text(T0 + 9000, T0 + 11000, 4), "0-0 0-0 1~1 1-1 ");
    EXPECT_EQ(text(T0 + 19000, T0 + 21000, 4), "1-1 1-1 0~0 0-0 ");
    // From the summaries (6.4 s blocks): off before 6.4 s and after 25.6 s, on from 12.8 s to 19.2 s.
    EXPECT_EQ(text(T0, T0 + 6000, 1), "0-0 ");
    EXPECT_EQ(text(T0 + 13000, T0 + 19000, 1), "1-1 ");
    EXPECT_EQ(text(T0 + 26000, T0 + 29900, 1), "0-0 ");
}

} // namespace

} // namespace q7582
