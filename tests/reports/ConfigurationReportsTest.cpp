#include "reports/ConfigurationReports.h"
#include "ReportFixtures.h"
#include "app/InterfaceLanguage.h"
#include "model/DefaultConfiguration.h"
#include "reports/ConfigurationComparison.h"
#include "reports/StatusReport.h"
#include "reports/WhereUsed.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace q7582 {

namespace {

class ConfigurationReports : public ::testing::Test {
protected:
    void SetUp() override { status.bytes[StatusBlock::AddressChime] = 0x82; } // address 2, chime on
    void unit(int address, Byte info) { status.bytes[StatusBlock::UnitInfo + address] = info; }
    ConfigReportSources sources() const { return {status, image, names, At}; }
    ConfigurationComparison compare() const
    {
        return compareConfigurations({from, QStringLiteral("site.cfi")}, {to, QStringLiteral("memory")}, names);
    }

    const QDateTime At{QDate(2024, 3, 5), QTime(8, 30, 15)};
    StatusBlock status;
    ConfigImage image, to;
    ConfigImage& from = image; // the image reported on is the one compared from
    NameTables names;
};

void setTimer(TimerEventRecord timer, const ClockTime& start, Byte days, Byte message)
{
    timer.setStartTime(start);
    timer.setRepeatDays(days);
    timer.setMessageEvent(0, message);
    timer.setPriority(3);
    timer.setEnabled(true);
}

// Where a zone, an output or an input is used, in the editor's names.
TEST(WhereUsed, ListsEveryRecordThatSelectsTheItemAndWhatStartsIt)
{
    ConfigImage image;
    image.key(0, 2).zones().set(1, 14);  // Unit 1, Key/input 3
    image.key(9, 20).zones().set(1, 14); // Unit 10, Key 21
    image.key(9, 21).zones().set(0, 14); // another master's zone 14
    image.messageEvent(4).zones().set(1, 14);
    image.vox(2).zones().set(1, 14);
    image.timer(7).setMessageEvent(0, 4);
    image.timer(8).setMessageEvent(0, 5); // a message event that pages elsewhere
    image.outEvent(12).affects().set(2, 7);
    image.outEvent(12).states().set(2, 7);
    image.outEvent(13).affects().set(2, 8);
    image.key(3, 36).setOutputEvent(12); // Unit 4, PTT/Lock
    image.messageEvent(4).setOutputEvent(13);
    image.timer(9).setOutputEvent(12);
    image.ioLineAttribute(1, 0) = IoLine::OutputNegative | IoLine::InputNegative | 3 | 0x10;
    image.key(1, 0).setMessageNumber(9); // Unit 2, Key/input 1: input 7
    image.key(1, 0).zones().set(4, 1);
    image.key(1, 0).zones().set(4, 36);
    const NameTables names;
    const QString zone14 = "Unit (1), Key/input 3 | Unit (10), Key 21 | Message event 4 | VOX2 | Timer event 7: "
                           "message event 4";
    const QString input7 = "Unit (2), Key/input 1: Master 4 zones 1 36; message 9 | Input 7 (Card 2): priority 3, "
                           "logic L, transition R";
    const QString output7 = "Out event 12: activated | RESET out event: deactivated | Unit (4), PTT/Lock: output "
                            "event 12 | Timer event 9: output event 12";
    const struct {
        UsedItem item;
        std::optional<int> own; // the image's master
        QString lines;
        const char* total;
    } cases[] = {
        {{UsedKind::Zone, 1, 14}, std::nullopt, zone14, "5 uses"},
        {{UsedKind::Zone, 3, 14}, std::nullopt, "", "Used nowhere."},
        {{UsedKind::Output, 2, 7}, 2, output7 + " | Output 7 (Card 2): logic L", "5 uses"},
        {{UsedKind::Output, 2, 7}, 0, output7, "4 uses"}, // another master's cards
        {{UsedKind::Input, 0, 7}, std::nullopt, input7, "2 uses"},
    };
    for (const auto& c : cases) {
        const WhereUsed used = whereUsed(image, c.item, names, c.own);
        EXPECT_EQ(used.lines.join(" | "), c.lines) << used.lines.join(" | ").toStdString();
        EXPECT_EQ(used.report.lines.back().text, c.total);
    }
}

} // namespace

TEST_F(ConfigurationReports, EmptyReportsSayNothingIsThere)
{
    unit(0, 0xA0); // an I/O card is no desk microphone
    const Report desks = buildDeskMicrophoneReport(sources());
    EXPECT_EQ(desks.caption, "Configuration report");
    EXPECT_EQ(desks.lines,
              (std::vector<ReportLine>{
                  {"Desk microphones configuration report of the master with address 2", ReportStyle::Title},
                  {"Creation date-hour: 05/03/2024 - 08:30.15", ReportStyle::Heading},
                  {"", ReportStyle::Heading},
                  {"NO DESK MICROPHONE UNITS CONNECTED TO THE MASTER", ReportStyle::Heading}}));

    unit(0, 0x80); // not connected
    EXPECT_EQ(texts(buildIoCardReport(sources())).last(), "NO I/O CARDS CONNECTED TO THE MASTER");
    EXPECT_EQ(texts(buildTimerReport(sources())).last(), "NO TIMERS CREATED FOR MASTER");
}

TEST_F(ConfigurationReports, DeskMicrophoneShowsKeysMessagesEventsAndZones)
{
    unit(3, 0x25); // connected desk microphone, line A, priority 5
    names.units[3] = "Desk A";
    image.key(3, 0).setMessageNumber(5);
    image.key(3, 0).setOutputEvent(12);
    image.key(3, 0).zones().set(0, 36);
    image.key(3, 2).setMessageNumber(100); // three digits keep the cells' width
    image.key(3, 2).setOutputEvent(100);
    image.key(3, 2).zones().set(5, 10);
    image.key(3, ConfigImage::AllEsp2Key).setOutputEvent(OutputEventCode::ResetSystem);

    const Report report = buildDeskMicrophoneReport(sources());
    const QStringList lines = texts(report);
    ASSERT_EQ(lines.size(), 3 + 2 + 4 + 1 + 39 + 13 * 39);
    EXPECT_EQ(lines.mid(3, 10), (QStringList{"Configuration of desk microphone Desk A (4)", "", "Address = 4",
                                             "Priority = 5", "Connection line = A", "",
                                             "Key       |Message|Output event|", "Key  1    |   5   |     12     |",
                                             "Key  2    | None  |    None    |", "Key  3    | 100   |    100     |"}));
    EXPECT_EQ(lines.mid(18, 2), (QStringList{"Key  9    | None  |    None    |", "Key 10    | None  |    None    |"}));
    EXPECT_EQ(lines[46], "PTT/Lock  | None  |    None    |");
    EXPECT_EQ(lines[48], "ALL Esp.2 | None  |System RESET|");

    // One zone table per three keys, the keys' own zones in it.
    const int first = lines.indexOf("       | Key  1           | Key  2           | Key  3           |");
    ASSERT_GT(first, 0);
    EXPECT_EQ(report.lines[first].style, ReportStyle::TableHeading);
    EXPECT_EQ(lines[first + 1], "Master | 0  1  2  3  4  5 | 0  1  2  3  4  5 | 0  1  2  3  4  5 |");
    EXPECT_EQ(lines[first + 2], "Zone 1 | -  -  -  -  -  - | -  -  -  -  -  - | -  -  -  -  -  - |");
    EXPECT_EQ(lines[first + 11], "Zone10 | -  -  -  -  -  - | -  -  -  -  -  - | -  -  -  -  -  X |");
    EXPECT_EQ(lines[first + 37], "Zone36 | X  -  -  -  -  - | -  -  -  -  -  - | -  -  -  -  -  - |");
    EXPECT_EQ(lines[first + 39 * 12], "       | PTT/Lock         | ALL Esp.1        | ALL Esp.2        |");
}

TEST_F(ConfigurationReports, IoCardShowsInputLogicTransitionsAndOutputs)
{
    unit(1, 0xE0);                      // connected I/O card on line B: inputs and outputs 7..12
    image.ioLineAttribute(1, 0) = 0x0B; // priority 3, negative logic, level
    image.ioLineAttribute(1, 1) = 0x1A; // rising edge: logic does not apply
    image.ioLineAttribute(1, 2) = 0x30;
    image.ioLineAttribute(1, 3) = 0x20;
    image.ioLineAttribute(1, 4) = 0x80; // output negative
    image.key(1, 3).setMessageNumber(12);
    image.key(1, 3).setOutputEvent(OutputEventCode::ResetMaster);

    const QStringList lines = texts(buildIoCardReport(sources()));
    EXPECT_EQ(lines.mid(3, 15),
              (QStringList{"Configuration of IO card Unit (2)", "", "Address = 2", "Connection line = B", "",
                           "Input     |Message|Output event|Priority|Logic|Transition|",
                           "Input  7  | None  |    None    |   3    |  L  |     -    |",
                           "Input  8  | None  |    None    |   2    |  -  |     R    |",
                           "Input  9  | None  |    None    |   0    |  -  |    R+F   |",
                           "Input 10  |  12   |Master RESET|   0    |  -  |     F    |",
                           "Input 11  | None  |    None    |   0    |  H  |     -    |",
                           "Input 12  | None  |    None    |   0    |  H  |     -    |", "", "Output    |Logic|",
                           "Output  7 |  H  |"}));
    EXPECT_EQ(lines[21], "Output 11 |  L  |");
    EXPECT_TRUE(lines.contains("       | Input10          | Input11          | Input12          |"));

    // Above address 6 the bytes past the attribute table are not line attributes.
    unit(1, 0);
    unit(7, 0xA0);
    image.ioLineAttribute(7, 0) = 0xFF;
    const QStringList above = texts(buildIoCardReport(sources()));
    EXPECT_EQ(above[9], "Input 43  | None  |    None    |   -    |  -  |     -    |");
    EXPECT_TRUE(above.contains("Output 43 |  -  |"));
    EXPECT_TRUE(above.contains("-: no line attributes are kept for an IO card at address 8"));
}

TEST_F(ConfigurationReports, TimersShowRepetitionTimesAndEvents)
{
    const TimerEventRecord weekly = image.timer(3);
    setTimer(weekly, {2024, 3, 5, 8, 30, 15, 2}, 0x15, 4);
    weekly.setPeriodSeconds(60);
    weekly.setDurationSeconds(3600);
    weekly.setMessageEvent(2, 9);
    weekly.setOutputEvent(OutputEventCode::ResetMaster);
    weekly.setFlags(0xA3);              // enabled, falling edge, priority 3
    image.timer(4).setRepeatDays(0x7F); // not programmed: no messages, no output event

    const TimerEventRecord once = image.timer(9);
    once.setOutputEvent(7);
    once.setStartTime({2024, 13, 31, 25, 0, 0, 0});

    const QStringList lines = texts(buildTimerReport(sources()));
    EXPECT_EQ(
        lines.mid(3, 19),
        (QStringList{"Setting of timer event 3", "", "Weekly event (Mon, Wed, Fri)", "Event start date 05/03/2024",
                     "Event start time 08:30.15", "Period = 60 sec.", "Stop time 09:30.15", "Timer Priority = 3",
                     "Timer enable = ON", "", "Message event list", "Message event 4", "Message event 9", "",
                     "Timer Output event MASTER RESET - Falling edge operation", "", "Setting of timer event 9", "",
                     "One time event"}));
    EXPECT_EQ(lines.mid(22, 9),
              (QStringList{"Event date 31/13/2024 (invalid)", "Event time 25:00.00 (invalid)", "No periodic event",
                           "Timer Priority = 0", "Timer enable = OFF", "", "Message event list EMPTY", "",
                           "Timer Output event 7 - level operation"}));

    weekly.setRepeatDays(0x80); // no day bit: nothing to strip a separator from
    EXPECT_EQ(texts(buildTimerReport(sources()))[5], "Weekly event ()");

    // A periodic stop time past midnight names the next day.
    weekly.setRepeatDays(0x7F);
    weekly.setStartTime({2024, 3, 5, 23, 30, 0, 2});
    EXPECT_EQ(texts(buildTimerReport(sources())).mid(5, 5),
              (QStringList{"Daily event", "Event start date 05/03/2024", "Event start time 23:30.00",
                           "Period = 60 sec.", "Stop time 00:30.00 (next day)"}));
    weekly.setDurationSeconds(1799);
    EXPECT_EQ(texts(buildTimerReport(sources()))[9], "Stop time 23:59.59");
}

TEST_F(ConfigurationReports, StatusListsSettingsUnitsAndSlavesInOrder)
{
    unit(0, 0xA0); // I/O card, line A
    unit(2, 0x45); // not connected: no lines
    unit(4, 0x65); // desk microphone, line B, priority 5
    status.bytes[StatusBlock::SlaveZones + 2 * 3] = 0x80;
    status.bytes[StatusBlock::SlaveGroup + 2 * 3] = 0x7A; // group in bits 0-2
    std::copy_n("\x01\x05", 2, &status.bytes[StatusBlock::FirmwareRelease]);
    status.bytes[StatusBlock::MusicLevel] = 15;
    std::copy_n("\x01\x07\x00\x00\x14", 5, &status.bytes[StatusBlock::MusicSourceLevels]);
    status.bytes[StatusBlock::MusicSelect] = 1;
    names.music[1] = "Radio";

    const Report report = buildStatusReport(status, statusValuesShownFor(status, names), names, At);
    const QStringList lines = texts(report);
    EXPECT_EQ(std::tuple(report.caption, lines[0]),
              std::tuple("Status report", "Status report of the master with address 2"));
    EXPECT_EQ(lines.mid(1, 10),
              (QStringList{"Creation date-hour: 05/03/2024 - 08:30.15", "", "Music level control settings:", "",
                           "Music level setting = 15", "TAPE setting = 1", "Radio setting = 7", "TUNER setting = 0",
                           "AUX setting = 0", "Remote input setting = 20"}));
    for (const char* line : {"Speech level setting = 0", "Music source selected = Radio",
                             "Music on Remote setting = OFF", "Chime enable = ON", "Master firmware release = 1.5"})
        EXPECT_TRUE(lines.contains(line)) << line;

    const int units = lines.indexOf("Units/IO cards connected to master:");
    EXPECT_EQ(lines.mid(units + 2),
              (QStringList{"IO card Unit (1)", "Address = 1", "Connection line = A", "", "Desk microphone Unit (5)",
                           "Address = 5", "Priority = 5", "Connection line = B", "",
                           "Slave units connected to the master:", "", "Slave address = 3  -  Group = 2", ""}));
    EXPECT_EQ(report.lines[units + 2].style, ReportStyle::SubHeading);

    // In Italian every line that is not empty reads otherwise.
    useInterfaceLanguage(true);
    const QStringList italian = texts(buildStatusReport(status, statusValuesShownFor(status, names), names, At));
    useInterfaceLanguage(false);
    ASSERT_EQ(italian.size(), lines.size());
    EXPECT_EQ(italian[0], "Rapporto di stato del master con indirizzo 2");
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].isEmpty() || italian[i] != lines[i]) << lines[i].toStdString();
}

TEST_F(ConfigurationReports, ComparisonNamesOneChangedItemOfEachKindAsInvalidNothingElseAndHidesNoChangedBit)
{
    names.units[7] = "Desk lobby";
    from.key(7, 3).zones().set(0, 7);
    to.key(7, 3).zones().set(0, 12);
    to.key(7, 3).zones().set(0, 13);
    to.key(7, 3).zones().set(5, 1);
    to.messageEvent(5).setMessageNumber(7);
    to.outEvent(2).affects().set(1, 7);
    to.outEvent(2).states().set(1, 7);
    from.vox(2).setVoxPriority(2);
    to.vox(2).setVoxPriority(4);
    to.ioLineAttribute(1, 2) = 0x10; // rising edge
    setTimer(from.timer(3), {2026, 6, 1, 8, 0, 0, 1}, 0x01, 4);
    setTimer(to.timer(3), {2026, 6, 1, 8, 0, 0, 1}, 0x03, 4);
    setTimer(to.timer(9), {2026, 6, 1, 9, 30, 0, 1}, 0x7F, 2);
    to.bytes[0x7E00] = 0x55;
    to.key(0, 0).setMessageNumber(200); // out of range: shown as invalid
    to.messageEvent(1).setOutputEvent(70);
    to.timer(1).setMessageEvent(0, 1);
    to.timer(1).data()[ConstTimerEventRecord::Start + Bcd::Month] = 0x13;

    const ConfigurationComparison result = compare();
    const QStringList text = texts(result.report);
    for (const char* expected :
         {"Desk lobby (8), Key 4: Master 0 zones +12 +13 −7; Master 5 zones +1", "Message event 5: message None → 7",
          "Out event 2: Master 1 out 7 unaffected → activated", "VOX2: priority 2 → 4",
          "Input 9 (Card 2): transition - → R",
          "Timer event 3: repetition Weekly event (Mon) → Weekly event (Mon, Tue)",
          "Timer event 9: added: repetition Daily event, start 01/06/2026 09:30.00, period 0 sec., stop time "
          "none, priority 3, enable ON, messages 2, output event none, transition -",
          "0x7E00: 1 byte differs (not interpreted)", "Unit (1), Key/input 1: message None → 200 (invalid)",
          "Message event 1: output event None → 70 (invalid)"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.join('\n').toStdString();
    EXPECT_TRUE(text.filter("Timer event 1: added: ").value(0).contains("00/13/2000 (invalid)"));
    EXPECT_EQ(std::tuple(result.differences, text.last()), std::tuple(11, "11 differences"));
    for (const char* section :
         {"Units", "Message events", "Out events", "VOX", "IN/OUT logic", "Timer events", "Other bytes"})
        EXPECT_TRUE(text.contains(section)) << section;

    // Whatever bit changes, some line says so: a sample of bits over the whole image, and
    // two images that differ everywhere. An image compared with itself says so.
    buildDefaultConfiguration(from, 3);
    to = from;
    const ConfigurationComparison same = compare();
    EXPECT_EQ(std::tuple(same.differences, texts(same.report).last()),
              std::tuple(0, "The two configurations are the same."));
    for (int at = 0; at < ConfigImage::Size; at += 13) {
        to = from;
        to.bytes[std::size_t(at)] ^= Byte(1u << (at % 8));
        ASSERT_GT(compare().differences, 0) << "offset " << at << " bit " << at % 8;
    }
    std::ranges::generate(to.bytes, [rng = std::mt19937(7)]() mutable { return Byte(rng()); });
    EXPECT_GT(compare().differences, 1000);
}

} // namespace q7582
