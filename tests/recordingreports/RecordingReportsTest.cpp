#include "recordingreports/CommissioningRecord.h"
#include "recordingreports/EventCsv.h"

#include <QBuffer>
#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

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

TEST_F(RecordingReports, LanesAreGroupedAndNamedWithTheSiteNames)
{
    ASSERT_EQ(lanes.size(), std::size_t(72 + 36 + 36 + 32 + 2 + 12 + 4 + 2));
    const std::vector<std::pair<std::size_t, QString>> expected = {{0, "Zones|Hall, east"},
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
    for (const auto& [i, text] : expected)
        EXPECT_EQ(laneGroupName(lanes[i].group) + '|' + lanes[i].name, text) << i;
}

TEST_F(RecordingReports, ChangesPerLaneWithAbsentPartsAndTheGap)
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
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(time.right(5), ".125Z");

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
    rec.fails = true;
    EXPECT_FALSE(collectActivations(rec, T0, T0 + 1000, &error).has_value());
}

} // namespace

} // namespace q7582
