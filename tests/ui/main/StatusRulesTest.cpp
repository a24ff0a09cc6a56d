// The display rules without a window: captions, report checks, dialog answers, texts.

#include "link/LinkShared.h"
#include "ui/main/StatusRules.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

TEST(ConfigurationCaption, NamesWhereTheImageCameFromAndMarksItModified)
{
    Provenance p;
    p.defaultMasterNumber = 3;
    EXPECT_EQ(configurationCaption(p, false), "DEFAULT Configuration of Master 3");
    p.origin = ConfigOrigin::OriginMaster;
    p.uploadedMasterByte = 0x85; // chime bit and address 5: the low nibble is shown
    EXPECT_EQ(configurationCaption(p, false), "Configuration from Master 5");
    p.origin = ConfigOrigin::OriginFile;
    EXPECT_EQ(configurationCaption(p, false), "Configuration from File");
    p.modified = true;
    EXPECT_EQ(configurationCaption(p, false), "Configuration from File - MODIFIED");
    // The generator window shows only the modification mark.
    EXPECT_EQ(configurationCaption(p, true), " - MODIFIED");
    p.modified = false;
    EXPECT_EQ(configurationCaption(p, true), "");
}

TEST(ReportGuard, RefusesInTheOrderOfItsChecks)
{
    Provenance p;
    EXPECT_FALSE(reportRefusal(false, Connected, p, 0));
    EXPECT_EQ(reportRefusal(false, Searching, p, 0)->text, "No master connected");
    EXPECT_EQ(reportRefusal(true, NotConnected, p, 0)->text, "No master connected");
    EXPECT_EQ(reportRefusal(true, Connected, p, 0)->text, "Configuration not Uploaded");
    applyUploadCompleted(p, 0x82);
    p.modified = true;
    EXPECT_EQ(reportRefusal(true, Connected, p, 0x82)->text, "Configuration modified");
    p.modified = false;
    // The chime bit counts: same address, chime switched since the Upload.
    EXPECT_EQ(reportRefusal(true, Connected, p, 0x02)->text,
              "Configuration is not uploaded from the connected master");
    EXPECT_FALSE(reportRefusal(true, Connected, p, 0x82));
}

TEST(DialogAnswers, AddressIsOneDigitFromZeroToFiveAndNamesAtMostTwentyCharacters)
{
    for (const char* ok : {"0", "3", "5"})
        EXPECT_TRUE(validAddressAnswer(QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"6", "05", "a", "", " 1", "-1"})
        EXPECT_FALSE(validAddressAnswer(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(validNameAnswer(QString()));
    EXPECT_TRUE(validNameAnswer(QString(20, QChar(0x00E8)))); // characters, not bytes
    EXPECT_FALSE(validNameAnswer(QString(21, QLatin1Char('x'))));
}

TEST(StatusTexts, UnitsActiveSourceAndMessage)
{
    StatusBlock sb;
    sb.bytes[StatusBlock::UnitInfo + 0] = 0x20 | 0x40 | 0x05; // desk microphone, priority 5, line B
    sb.bytes[StatusBlock::UnitInfo + 1] = 0x20 | 0x80;        // I/O card on line A
    sb.bytes[StatusBlock::UnitInfo + 2] = 0x80 | 0x40;        // not connected
    EXPECT_EQ(unitRowView(sb, 0).lineText, "5 / B");
    EXPECT_EQ(unitRowView(sb, 1).lineText, "A");
    EXPECT_FALSE(unitRowView(sb, 2).connected);

    const char* expected[] = {"None", "Unit 7", "Input 7", "VOX 7", "Timer event 7", "Remote 7", "None"};
    sb.bytes[StatusBlock::ActiveSourceNumber] = 7;
    for (int kind = 0; kind <= 6; ++kind) {
        sb.bytes[StatusBlock::ActiveSource] = Byte(kind | (6 << 5));
        EXPECT_EQ(activeSourceView(sb).source, expected[kind]);
        EXPECT_EQ(activeSourceView(sb).priority, kind >= 1 && kind <= 5 ? "6" : "");
    }
    EXPECT_EQ(activeMessageView(sb).text, "-");
    sb.bytes[StatusBlock::ActiveMessage] = 0x80 | 12; // bit 7 is not part of the number
    EXPECT_EQ(activeMessageView(sb).text, "Message 12");
}

TEST(MasterClockTexts, ImpossibleDatesShowNothingAndSundayIsSeven)
{
    const QLocale c(QLocale::C);
    EXPECT_FALSE(clockTexts(StatusBlock().masterClock(), c)); // all zeros: month 0
    EXPECT_FALSE(clockTexts({2026, 2, 30, 10, 0, 0, 1}, c));
    const auto texts = clockTexts({2026, 3, 15, 9, 8, 7, 7}, c);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->date, "Sun, 15/03/2026");
    EXPECT_EQ(texts->time, "09:08.07");

    const ClockTime sunday = clockFromDateTime(QDateTime(QDate(2026, 3, 15), QTime(23, 59, 58)));
    EXPECT_EQ(sunday.weekday, 7);
    EXPECT_EQ(sunday.hour, 23);
    EXPECT_EQ(clockFromDateTime(QDateTime(QDate(2026, 3, 16), QTime(0, 0))).weekday, 1);
}

// Which cells a right click toggles is checked through the window.
TEST(ZoneFolding, GreenClearsBlueSetsOthersUntouchedAndBitSixMarksTheSlave)
{
    StatusBlock sb;
    sb.bytes[StatusBlock::SlaveZones + 0] = 0x80 | 0x01; // slave 0: zone 1 music
    sb.bytes[StatusBlock::SlaveZones + 2] = 0x80;        // slave 1 present
    ZoneCells cells{};
    cells.fill(CellState::Absent);
    cells[0] = CellState::Idle;  // clears zone 1
    cells[1] = CellState::Music; // sets zone 2
    cells[8] = CellState::Busy;  // slave 1 untouched
    foldZoneCells(sb, cells);
    EXPECT_EQ(sb.slaveZones(0), 0x80 | 0x40 | 0x02);
    EXPECT_EQ(sb.slaveZones(1), 0x80);
    EXPECT_EQ(sb.slaveZones(2), 0x00);
}

TEST(ZoneCellColours, BusyBeforeMusicAndIoRowsFollowTheCardBit)
{
    StatusBlock sb;
    sb.bytes[StatusBlock::SlaveZones + 2 * 5] = 0x80 | 0x20; // slave 5, zone 36 music
    sb.bytes[StatusBlock::BusyZones + 4] = 0x08;             // zone 36 busy
    EXPECT_EQ(zoneCellState(sb, 35), CellState::Busy);
    EXPECT_EQ(zoneCellState(sb, 30), CellState::Idle);
    EXPECT_EQ(outputCellState(sb, 7), CellState::Absent);
    sb.bytes[StatusBlock::UnitInfo + 1] = 0x80;
    sb.bytes[StatusBlock::OutputStates + 0] = 0x80; // output 2 of card 1
    EXPECT_EQ(outputCellState(sb, 7), CellState::Busy);
    EXPECT_EQ(inputCellState(sb, 7), CellState::Idle);
}

} // namespace
} // namespace q7582
