#include "ui/config/TimerRules.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

void setStart(TimerEventRecord r, int h, int m, int s)
{
    writeStart(r, QDate(2026, 3, 14), QTime(h, m, s));
}

TEST(TimerStart, InvalidFieldsAreReplacedByNowWithWeekdayAndBcd)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(1);
    const QDateTime now(QDate(2031, 12, 7), QTime(21, 5, 9)); // a Sunday
    ASSERT_FALSE(startFieldsValid(asConst(r))); // all zero: day, month and weekday 0
    EXPECT_TRUE(repairStart(r, now));
    const Byte* s = r.start();
    EXPECT_EQ(std::vector<Byte>(s, s + 7), (std::vector<Byte>{0x09, 0x05, 0x21, 0x07, 0x07, 0x12, 0x31}));
    EXPECT_FALSE(repairStart(r, now.addDays(1))); // valid now: left alone
    EXPECT_EQ(startDate(r), QDate(2031, 12, 7));
    EXPECT_EQ(startTime(r), QTime(21, 5, 9));

    // 31 February passes every field check but is no date: treated as invalid.
    r.start()[Bcd::Day] = 0x31;
    r.start()[Bcd::Month] = 0x02;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
    EXPECT_TRUE(repairStart(r, now));
    // A nibble above 9 is no BCD digit even when tens*10+units is in range.
    r.start()[Bcd::Second] = 0x1A;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
    r.start()[Bcd::Second] = 0x59;
    r.start()[Bcd::Hour] = 0x24;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
    r.start()[Bcd::Hour] = 0x23;
    r.start()[Bcd::Weekday] = 0x08;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
}

TEST(TimerPeriod, BoundFollowsTheStartAfterNoon)
{
    EXPECT_EQ(periodUpperBound(8 * 3600), 43200);
    EXPECT_EQ(periodUpperBound(43200), 43200);
    EXPECT_EQ(periodUpperBound(20 * 3600), 14399);
    EXPECT_TRUE(periodValid(43200, 8 * 3600));
    EXPECT_FALSE(periodValid(43201, 8 * 3600));
    EXPECT_TRUE(periodValid(14399, 20 * 3600));
    EXPECT_FALSE(periodValid(14400, 20 * 3600));
    EXPECT_FALSE(periodValid(9, 0));
    EXPECT_TRUE(durationValid(86399 - 72000, 72000));
    EXPECT_FALSE(durationValid(86400 - 72000, 72000));
}

TEST(TimerPeriod, SettlingForcesSixtySecondsOrMakesTheTimerNonPeriodic)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(5);
    setStart(r, 10, 0, 0);
    r.setPeriodSeconds(600);
    r.setDurationSeconds(0);
    EXPECT_TRUE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 60u);
    r.setDurationSeconds(7200);
    EXPECT_TRUE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 7200u);

    r.setPeriodSeconds(5);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.periodSeconds(), 0);
    EXPECT_EQ(r.durationSeconds(), 0u);

    // 23:59:30 leaves 29 s in the day: a 60 s period is already too long.
    setStart(r, 23, 59, 30);
    r.setPeriodSeconds(60);
    EXPECT_FALSE(settlePeriod(r));
    // 23:59:10 allows a 20 s period, but the forced minute would pass midnight.
    setStart(r, 23, 59, 10);
    r.setPeriodSeconds(20);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.periodSeconds(), 0);
    EXPECT_EQ(r.durationSeconds(), 0u);
}

TEST(TimerFlags, EdgesRepeatDaysAndEnabling)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(2);
    r.setFlags(0x30 | 0x48 | 0x03); // both edges, bits 3 and 6, priority 3
    EXPECT_EQ(settleEdges(r), 1);
    EXPECT_EQ(r.flags(), 0x10 | 0x48 | 0x03);
    r.setFlags(0x20);
    EXPECT_EQ(settleEdges(r), 2);
    setEdges(r, false, false);
    EXPECT_EQ(r.flags(), 0);

    r.setRepeatDays(0xFF);
    EXPECT_EQ(settleRepeatDays(r), 0x7F);

    EXPECT_TRUE(repairTimerPriority(r));
    EXPECT_EQ(r.priority(), 1);
    EXPECT_FALSE(repairTimerPriority(r));

    r.setEnabled(true);
    EXPECT_FALSE(settleEnabled(r, true));
    EXPECT_FALSE(r.enabled());
    r.setEnabled(true);
    r.setOutputEvent(64);
    EXPECT_TRUE(settleEnabled(r, true));
    r.setOutputEvent(0);
    EXPECT_TRUE(settleEnabled(r, false));
}

TEST(TimerSlots, ScanSkipsZerosRemembersInvalidAndRewritePacks)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(127);
    r.setMessageEvent(0, 5);
    r.setMessageEvent(2, 9);
    SlotScan scan = scanSlots(r);
    EXPECT_EQ(scan.events, (std::vector<int>{5, 9}));
    EXPECT_FALSE(scan.hadInvalid);

    r.setMessageEvent(1, 200);
    scan = scanSlots(r);
    EXPECT_EQ(scan.events, (std::vector<int>{5, 9}));
    EXPECT_TRUE(scan.hadInvalid);
    rewriteSlots(r, scan.events);
    std::vector<Byte> written;
    for (int i = 0; i < 16; ++i)
        written.push_back(r.messageEvent(i));
    std::vector<Byte> expected(16, 0);
    expected[0] = 5;
    expected[1] = 9;
    EXPECT_EQ(written, expected);
    r.setMessageEvent(15, 128);
    EXPECT_TRUE(scanSlots(r).hadInvalid);

    std::vector<int> fifteen(15, 1);
    const std::vector<int> added = addToSelection(fifteen, {3, 4, 5});
    ASSERT_EQ(added.size(), 16u);
    EXPECT_EQ(added.back(), 3);
    EXPECT_EQ(addToSelection({7}, {7}), (std::vector<int>{7, 7})); // a repeat is added again
}

} // namespace
} // namespace q7582
