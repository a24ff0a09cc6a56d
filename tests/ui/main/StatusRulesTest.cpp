// The display rules without a window: dialog answers, texts, I/O cells. The captions,
// the zone cells, their folding and the report checks are checked through the window.

#include "ui/main/StatusRules.h"
#include "link/LinkShared.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

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

    // Kinds 1 to 5 name a source and show its priority; the others show none.
    sb.bytes[StatusBlock::ActiveSourceNumber] = 7;
    for (auto [kind, source] : {std::pair{0, "None"}, {1, "Unit 7"}, {5, "Remote 7"}, {6, "None"}}) {
        sb.bytes[StatusBlock::ActiveSource] = Byte(kind | (6 << 5));
        EXPECT_EQ(activeSourceView(sb).source, source);
        EXPECT_EQ(activeSourceView(sb).priority, kind >= 1 && kind <= 5 ? "6" : "");
    }
    EXPECT_EQ(activeMessageView(sb).text, "-");
    sb.bytes[StatusBlock::ActiveMessage] = 0x80 | 12; // bit 7 is not part of the number
    EXPECT_EQ(activeMessageView(sb).text, "Message 12");
}

TEST(MasterClockTexts, ImpossibleDatesShowNothingAndMondayIsOne)
{
    const QLocale c(QLocale::C);
    EXPECT_FALSE(clockTexts(StatusBlock().masterClock(), c)); // all zeros: month 0
    EXPECT_FALSE(clockTexts({2026, 2, 30, 10, 0, 0, 1}, c));
    const auto texts = clockTexts({2026, 3, 15, 9, 8, 7, 7}, c);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->date, "Sun, 15/03/2026");
    EXPECT_EQ(texts->time, "09:08.07");
    // Sunday as 7 is checked through the clock alignment.
    EXPECT_EQ(clockFromDateTime(QDateTime(QDate(2026, 3, 16), QTime(0, 0))).weekday, 1);
}

TEST(IoCellStates, FollowTheCardBitAndRunOnAcrossTheRows)
{
    StatusBlock sb;
    sb.bytes[StatusBlock::OutputStates + 0] = 0x80; // output 8: the second of card 2
    EXPECT_EQ(outputCellState(sb, 7), CellState::Absent);
    sb.bytes[StatusBlock::UnitInfo + 1] = 0x80;
    EXPECT_EQ(outputCellState(sb, 7), CellState::Busy);
    EXPECT_EQ(inputCellState(sb, 7), CellState::Idle);
}

} // namespace
} // namespace q7582
