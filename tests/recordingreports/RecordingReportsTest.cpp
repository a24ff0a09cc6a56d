#include "FileFixture.h"
#include "ProgramRun.h"
#include "SqlExec.h"
#include "app/InterfaceLanguage.h"
#include "recorder/RecordingWriter.h"
#include "recordingreports/CommissioningRecord.h"
#include "recordingreports/EventCsv.h"
#include "recordingreports/LaneChanges.h"
#include "recordingreports/ReaderStates.h"
#include "recordingreports/TimelineColumns.h"

#include <QBuffer>

namespace q7582 {

namespace {

const qint64 T0 = QDateTime(QDate(2024, 3, 5), QTime(8, 30, 15)).toMSecsSinceEpoch();

// A recording held in memory, read as the store reads one.
class MemoryStates : public RecordedStates {
public:
    std::vector<RecordedState> states;
    bool fails = false;

    bool forEach(qint64 fromMs, qint64 toMs, const std::function<bool(const RecordedState&)>& visit,
                 QString* error) const override
    {
        for (std::size_t i = 0; i < states.size(); ++i) {
            const bool inForce = i + 1 == states.size() || states[i + 1].pcTimeMs > fromMs;
            if (states[i].pcTimeMs < toMs && inForce && !visit(states[i]))
                break;
        }
        if (fails)
            *error = QStringLiteral("disk I/O error");
        return !fails;
    }

    // A master at address 2 with slaves 0 and 1 and the I/O card at address 0 present.
    StatusBlock& add(qint64 ms, RecordedLink link = RecordedLink::Master)
    {
        StatusBlock s = states.empty() ? StatusBlock{} : states.back().master;
        if (states.empty()) {
            s.setMasterAddress(2);
            s.bytes[StatusBlock::SlaveZones] = s.bytes[StatusBlock::SlaveZones + 2] = 0x80;
            s.bytes[StatusBlock::UnitInfo] = 0xA0;
            s.setMasterClock(ClockTime{2024, 3, 5, 8, 30, 15, 2});
        }
        states.push_back({T0 + ms, link, s});
        return states.back().master;
    }
};

void setBit(StatusBlock& s, int offset, int bit, bool on)
{
    Byte& b = s.bytes[std::size_t(offset + bit / 8)];
    b = on ? Byte(b | 1 << bit % 8) : Byte(b & ~(1 << bit % 8));
}

class RecordingReports : public ::testing::Test {
protected:
    static NameTables siteNames()
    {
        NameTables n;
        n.zones[0] = "Hall, east";
        return n;
    }
    NameTables names = siteNames();
    MemoryStates rec;
    std::vector<Lane> lanes = recordingLanes(names);

    std::vector<QString> changes(const std::vector<int>& chosen, qint64 from = T0, qint64 to = T0 + 100000)
    {
        std::vector<QString> out;
        QString error;
        EXPECT_TRUE(forEachChange(
            rec, lanes, chosen, from, to,
            [&](const LaneChange& c) {
                const ChangeRow r = changeRow(lanes, c);
                out.push_back(QStringList{r.time.mid(17), r.group, r.what, r.from, r.to}.join(QLatin1Char('|')));
                return true;
            },
            &error));
        return out;
    }
};

TEST_F(RecordingReports, LanesAreGroupedAndNamedWithTheSiteNamesAndChangesListedPerLaneWithAbsentPartsAndTheGap)
{
    rec.add(0);
    setBit(rec.add(100), StatusBlock::BusyZones, 0, true);   // zone 1 busy
    setBit(rec.add(200), StatusBlock::BusyZones, 12, true);  // zone 13: slave 2 absent
    setBit(rec.add(300), StatusBlock::InputStates, 2, true); // input 3, card 0
    setBit(rec.add(400), StatusBlock::InputStates, 8, true); // input 9: card 1 absent
    rec.add(500).bytes[StatusBlock::ActiveSource] = 0x42;    // input source, priority 2
    rec.states.back().master.bytes[StatusBlock::ActiveSourceNumber] = 3;
    rec.add(600).setMasterClock(ClockTime{2024, 3, 5, 8, 30, 16, 2}); // 1 s off: no change
    rec.add(700).setMasterClock(ClockTime{2024, 3, 5, 8, 30, 25, 2}); // 10 s off
    rec.add(900, RecordedLink::Unplugged);
    setBit(rec.add(1000), StatusBlock::BusyZones, 0, false); // idle after the gap
    const std::vector<QString> expected = {"15.100Z|Zones|Hall, east|off|on",
                                           "15.300Z|Digital inputs|In 3|off|on",
                                           "15.500Z|Active source|Active source|None|Input 3 (priority 2)",
                                           "15.700Z|Clock|Master clock|PC +0 s|PC +10 s",
                                           "15.900Z|Connection|Connection|Master 2|Unplugged",
                                           "16.000Z|Zones|Hall, east|on|off",
                                           "16.000Z|Connection|Connection|Unplugged|Master 2"};
    // zones 1 and 13, inputs 3 and 9, the source, the clock, the connection
    EXPECT_EQ(changes({0, 24, 74, 80, 176, 194, 195}), expected);
    EXPECT_EQ(changes(lanesOf(lanes, LaneGroup::Inputs), T0 + 250, T0 + 900),
              std::vector<QString>{"15.300Z|Digital inputs|In 3|off|on"});

    // The lanes are grouped and named with the site's names.
    ASSERT_EQ(lanes.size(), std::size_t(72 + 36 + 36 + 32 + 2 + 12 + 4 + 2));
    const std::vector<std::pair<std::size_t, QString>> named = {{0, "Zones|Hall, east"},
                                                                {1, "Zones|Hall, east music"},
                                                                {72, "Digital inputs|In 1"},
                                                                {108, "Digital outputs|Out 1"},
                                                                {144, "Units|Unit (1) present"},
                                                                {175, "Units|Unit (16) active"},
                                                                {176, "Active source|Active source"},
                                                                {181, "Levels|VOX 2 level"},
                                                                {186, "Levels|CD level"},
                                                                {193, "VOX|VOX 2 input"},
                                                                {194, "Clock|Master clock"},
                                                                {195, "Connection|Connection"}};
    for (const auto& [i, text] : named)
        EXPECT_EQ(laneGroupName(lanes[i].group) + '|' + lanes[i].name, text) << i;
}

TEST_F(RecordingReports, CsvQuotesAndStreamsAndReportsFailures)
{
    rec.add(0);
    setBit(rec.add(125), StatusBlock::BusyZones, 0, true);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(writeEventsCsv(rec, lanes, lanesOf(lanes, LaneGroup::Zones), T0, T0 + 1000, out, &error));
    const QByteArray time = isoTime(T0 + 125).toUtf8();
    EXPECT_EQ(QString(out.data()), "time,group,what,from,to\r\n" + time + ",Zones,\"Hall, east\",off,on\r\n");
    EXPECT_EQ(std::tuple(csvField("say \"hi\""), time.right(5)), std::tuple("\"say \"\"hi\"\"\"", ".125Z"));

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(writeEventsCsv(rec, lanes, lanesOf(lanes), T0, T0 + 1000, readOnly, &error));
    EXPECT_FALSE(error.isEmpty());
    rec.fails = true;
    EXPECT_FALSE(writeEventsCsv(rec, lanes, lanesOf(lanes), T0, T0 + 1000, out, &error));
    EXPECT_EQ(error, "disk I/O error");
}

TEST_F(RecordingReports, CommissioningRecordLaysResponsesToTheirActivation)
{
    setBit(rec.add(0), StatusBlock::BusyZones, 2, true); // zone 3 busy already
    setBit(rec.add(1000), StatusBlock::InputStates, 0, true);
    rec.add(1300).bytes[StatusBlock::ActiveMessage] = 12;
    setBit(rec.add(1400), StatusBlock::BusyZones, 0, true);
    setBit(rec.add(1600), StatusBlock::BusyZones, 6, true);   // zone 7, slave 1
    setBit(rec.add(2000), StatusBlock::InputStates, 1, true); // next activation: the first closes
    setBit(rec.add(2500), StatusBlock::BusyZones, 1, true);   // zone 2, laid to the second
    setBit(rec.add(40000), StatusBlock::BusyZones, 3, true);  // past the settling time
    setBit(rec.add(41000), StatusBlock::InputStates, 0, false);
    setBit(rec.add(41500), StatusBlock::InputStates, 0, true); // outside the span
    QString error;
    const auto acts = collectActivations(rec, T0, T0 + 41200, &error);
    ASSERT_TRUE(acts.has_value());
    ASSERT_EQ(acts->size(), 2u);
    const InputActivation& a = (*acts)[0];
    EXPECT_EQ(std::tuple(a.timeMs - T0, a.input, a.message, a.messageAfterMs), std::tuple(1000, 0, 12, 300));
    ASSERT_EQ(a.busy.size(), 2u);
    EXPECT_EQ(std::tuple(a.busy[0].zone, a.busy[0].afterMs, a.busy[1].zone, a.busy[1].afterMs),
              std::tuple(1, 400, 7, 600));
    EXPECT_EQ(a.alreadyBusy, std::vector<int>{3});
    EXPECT_EQ(a.silent.size(), 9u); // zones 2, 4..6, 8..12
    EXPECT_EQ((*acts)[1].silent.size(), 8u);

    const Report r = commissioningReport(*acts, names, T0, T0 + 41200, QDateTime(QDate(2024, 3, 6), QTime(9, 0)));
    std::vector<QString> lines;
    for (const ReportLine& l : r.lines)
        lines.push_back(QString::number(l.style) + ' ' + l.text);
    ASSERT_GE(lines.size(), 14u);
    EXPECT_EQ(std::vector<QString>(lines.begin() + 2, lines.begin() + 14),
              (std::vector<QString>{
                  "0 From 05/03/2024 - 08:30.15 to 05/03/2024 - 08:30.56",
                  "0 Creation date-hour: 06/03/2024 - 09:00.00", "0 ", "4 05/03/2024 - 08:30.16  Input In 1 (1)",
                  "0 Message 12 after 0.3 s", "0 Source: None", "12 Zone                  Busy after",
                  "8 Hall, east            0.4 s", "8 Zone 7                0.6 s", "0 Already busy: Zone 3",
                  "0 Did not go busy: Zone 2, Zone 4, Zone 5, Zone 6, Zone 8, Zone 9, Zone 10, "
                  "Zone 11, Zone 12",
                  "0 "}));
    EXPECT_EQ(lines.back(), "0 2 input activations, 2 with zones that did not go busy");
    useInterfaceLanguage(true);
    const Report italian = commissioningReport(*acts, names, T0, T0 + 41200, {});
    useInterfaceLanguage(false);
    EXPECT_EQ(std::tuple(italian.lines[0].text, italian.lines[5].text),
              std::tuple("Verbale di collaudo", "05/03/2024 - 08:30.16  Ingresso In 1 (1)"));
    rec.fails = true;
    EXPECT_FALSE(collectActivations(rec, T0, T0 + 1000, &error).has_value());
}

constexpr std::int64_t T1 = 1'780'000'000'000;

// A recording of master 2 with slave 0 and the I/O card at address 0: input 1 goes on,
// then zone 1 busy, the cable is pulled and the master comes back.
class ReaderEvents : public FileFixture {
protected:
    void SetUp() override
    {
        NameTables names;
        names.zones[0] = "Hall, east";
        names.inputs[0] = "Fire door";
        QString error;
        auto writer = RecordingWriter::create(file, {"Site", QString::fromStdString(names.asText())}, &error);
        ASSERT_TRUE(writer) << error.toStdString();
        StatusBlock s;
        s.setMasterAddress(2);
        s.bytes[StatusBlock::SlaveZones] = 0x80;
        s.bytes[StatusBlock::UnitInfo] = 0xA0;
        writer->event(TapEvent::ConnectedMaster, 2, {}, T1);
        const auto page0 = [&](std::int64_t ms) { writer->read(TapStream::MasterPage0, s.page(0), T1 + ms); };
        page0(0);
        s.bytes[StatusBlock::InputStates] = 0x01;
        page0(100);
        s.bytes[StatusBlock::BusyZones] = 0x01;
        page0(200);
        writer->event(TapEvent::Unplugged, 0, {}, T1 + 300);
        writer->event(TapEvent::ConnectedMaster, 2, {}, T1 + 400);
        page0(400);
        writer->stop();
    }
    const QString file = tmp.filePath("r.q7582rec");
};

TEST_F(ReaderEvents, TheFileReadsAsStatesAndTheCommandListsTheirChanges)
{
    const NameTables names = namesFromText(QString::fromStdString(NameTables{}.asText())
                                           + "\nzone 1=Hall, east\ninput 1=Fire door\nzone 99=x");
    EXPECT_EQ(std::tuple(names.zones[0], names.inputs[0], names.zones[1]),
              std::tuple("Hall, east", "Fire door", "Zone 2"));

    const test::ProgramRun all = test::runInFolder(tmp.path(), "qs7582", {"events", file});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    const QString t = isoTime(T1).left(20);
    EXPECT_EQ(all.out, t + "100Z  Digital inputs: Fire door  off -> on\n" + t + "200Z  Zones: Hall, east  off -> on\n"
                           + t + "300Z  Connection: Connection  Master 2 -> Unplugged\n" + t
                           + "400Z  Connection: Connection  Unplugged -> Master 2\n");

    const test::ProgramRun csv =
        test::runInFolder(tmp.path(), "qs7582", {"events", file, "--csv", "--from", t + "150Z", "--to", t + "250Z"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out, "time,group,what,from,to\r\n" + t + "200Z,Zones,\"Hall, east\",off,on\r\n");

    write("not.q7582rec", "SQLite format 3");
    const test::ProgramRun bad = test::runInFolder(tmp.path(), "qs7582", {"events", "not.q7582rec"});
    EXPECT_EQ(std::tuple(bad.exitCode, bad.out), std::tuple(2, QString()));
    EXPECT_TRUE(bad.err.startsWith("not.q7582rec: ")) << bad.err.toStdString();

    // A block of reads damaged in a file that is whole otherwise: found as it is read, and said.
    ASSERT_TRUE(test::sqlExec(file, "UPDATE blocks SET data=X'00FF'"));
    QString error;
    const auto reader = RecordingReader::open(file, &error);
    ASSERT_TRUE(reader) << error.toStdString();
    EXPECT_EQ(reader->damage(), QString());
    EXPECT_EQ(reader->statusAt(T1 + 400).readMs[0], -1);
    const QString damage = file + " is damaged: the reads recorded from " + t + "000Z on cannot be read";
    EXPECT_EQ(reader->damage(), damage);
    const test::ProgramRun damaged = test::runInFolder(tmp.path(), "qs7582", {"events", file, "--csv"});
    EXPECT_EQ(std::tuple(damaged.exitCode, damaged.err), std::tuple(2, damage + "\n"));
}

class TimelineColumns : public FileFixture {
protected:
    const QString file = at("r.q7582rec");
    QString error;
};

// A minute of master reads, ten a second: input 1 on from 10 s to 20 s, the speech level
// rising by one every 5 s.
TEST_F(TimelineColumns, CoarseFromSummariesFineFromReadsAndAUnitIsActiveOnlyWhileTheSourceIsThatUnit)
{
    {
        auto writer = RecordingWriter::create(file, {"Site", {}}, &error);
        ASSERT_TRUE(writer) << error.toStdString();
        writer->event(TapEvent::ConnectedMaster, 0, {}, T1);
        StatusBlock s;
        for (int k = 0; k < 600; ++k) {
            s.bytes[StatusBlock::InputStates] = k >= 100 && k < 200;
            s.setSpeechLevel(Byte(k / 50));
            writer->read(TapStream::MasterPage0, s.page(0), T1 + 100 * k);
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
    EXPECT_EQ(text(T1 + 9000, T1 + 11000, 4), "0-0 0-0 1~1 1-1 1-1 1-1 2~2 2-2 ");
    EXPECT_EQ(text(T1 + 19000, T1 + 21000, 4), "1-1 1-1 0~0 0-0 3-3 3-3 4~4 4-4 ");
    EXPECT_EQ(text(T1 + 60000, T1 + 61000, 2), "_ _ _ _ ");
    // 20 s a column, from the blocks' summaries (6.4 s each, so a block across a column's
    // edge counts in both): the input on and off, the level's range.
    EXPECT_EQ(text(T1, T1 + 60000, 3), "0~1 0~1 0-0 0~5 3~8 7~11 ");

    // The active source: input 1, then unit 1 (priority 2), then unit 2, 10 s each. Unit 1's
    // lane is on only while the source is a unit and its number is 1.
    {
        auto writer = RecordingWriter::create(at("units.q7582rec"), {"Site", {}}, &error);
        ASSERT_TRUE(writer) << error.toStdString();
        StatusBlock s;
        for (int k = 0; k < 300; ++k) {
            s.bytes[StatusBlock::ActiveSource] =
                Byte(k < 100 ? StatusBlock::SourceInput : 0x40 | StatusBlock::SourceUnit);
            s.bytes[StatusBlock::ActiveSourceNumber] = k < 200 ? 1 : 2;
            writer->read(TapStream::MasterPage0, s.page(0), T1 + 100 * k);
        }
        writer->stop();
    }
    const auto units = RecordingReader::open(at("units.q7582rec"), &error);
    ASSERT_TRUE(units) << error.toStdString();
    const TimelineSummaries unitSummaries(*units);
    const auto unitText = [&](qint64 from, qint64 to, int n) {
        std::string t;
        const auto columns =
            unitSummaries.columns({{LaneGroup::Units, LaneField::UnitActive, 0, {}}}, {0}, from, to, n);
        for (const LaneColumn& c : columns[0])
            t += std::to_string(c.low) + (c.changed ? "~" : "-") + std::to_string(c.high) + " ";
        return t;
    };
    EXPECT_EQ(unitText(T1 + 9000, T1 + 11000, 4), "0-0 0-0 1~1 1-1 ");
    EXPECT_EQ(unitText(T1 + 19000, T1 + 21000, 4), "1-1 1-1 0~0 0-0 ");
    // From the summaries (6.4 s blocks): off before 6.4 s and after 25.6 s, on from 12.8 s to 19.2 s.
    EXPECT_EQ(std::tuple(unitText(T1, T1 + 6000, 1), unitText(T1 + 13000, T1 + 19000, 1)), std::tuple("0-0 ", "1-1 "));
    EXPECT_EQ(unitText(T1 + 26000, T1 + 29900, 1), "0-0 ");
}

} // namespace

} // namespace q7582
