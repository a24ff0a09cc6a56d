#include "ui/config/TimerRules.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

void setStart(TimerEventRecord r, int h, int m, int s) { writeStart(r, QDate(2026, 3, 14), QTime(h, m, s)); }

TEST(TimerStart, InvalidFieldsAreReplacedByNowWithWeekdayAndBcd)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(1);
    const QDateTime now(QDate(2031, 12, 7), QTime(21, 5, 9)); // a Sunday
    EXPECT_TRUE(repairStart(r, now)); // all zero: day, month and weekday 0
    const Byte* s = r.start();
    EXPECT_EQ(std::vector<Byte>(s, s + 7), (std::vector<Byte>{0x09, 0x05, 0x21, 0x07, 0x07, 0x12, 0x31}));
    EXPECT_FALSE(repairStart(r, now.addDays(1))); // valid now: left alone

    // 31 February passes every field check but is no date: treated as invalid.
    r.start()[Bcd::Day] = 0x31;
    r.start()[Bcd::Month] = 0x02;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
    EXPECT_TRUE(repairStart(r, now));
    // A nibble above 9 is no BCD digit even when tens*10+units is in range.
    r.start()[Bcd::Second] = 0x1A;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
    r.start()[Bcd::Second] = 0x59;
    r.start()[Bcd::Weekday] = 0x08;
    EXPECT_FALSE(startFieldsValid(asConst(r)));
}

TEST(TimerPeriod, SettlingForcesSixtySecondsOrMakesTheTimerNonPeriodic)
{
    EXPECT_EQ(periodUpperBound(8 * 3600), 43200);
    EXPECT_EQ(periodUpperBound(20 * 3600), 14399);
    ConfigImage image;
    TimerEventRecord r = image.timer(5);
    setStart(r, 10, 0, 0);
    r.setPeriodSeconds(600);
    EXPECT_TRUE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 60u);
    r.setDurationSeconds(7200);
    EXPECT_TRUE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 7200u);
    r.setPeriodSeconds(5);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 0u);

    // 23:59:10 allows a 20 s period, but the forced minute would pass midnight.
    setStart(r, 23, 59, 10);
    r.setPeriodSeconds(20);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.periodSeconds(), 0);
    EXPECT_EQ(r.durationSeconds(), 0u);
}

TEST(TimerFlags, RepeatDaysPriorityAndTheEnableRule)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(2);
    r.setRepeatDays(0xFF);
    EXPECT_EQ(settleRepeatDays(r), 0x7F);
    EXPECT_TRUE(repairTimerPriority(r));
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
    EXPECT_FALSE(scanSlots(r).hadInvalid);
    r.setMessageEvent(1, 200);
    const SlotScan scan = scanSlots(r);
    EXPECT_EQ(scan.events, (std::vector<int>{5, 9}));
    EXPECT_TRUE(scan.hadInvalid);
    rewriteSlots(r, scan.events);
    const Byte* slot = r.data() + TimerEventRecord::MessageEvents;
    std::vector<Byte> expected(16, 0);
    expected[0] = 5;
    expected[1] = 9;
    EXPECT_EQ(std::vector<Byte>(slot, slot + 16), expected);
    EXPECT_EQ(image.bytes[ConfigImage::VoxAt], 0); // nothing past the last record

    const std::vector<int> added = addToSelection(std::vector<int>(15, 1), {3, 4, 5});
    EXPECT_EQ(added.size(), 16u);
    EXPECT_EQ(added.back(), 3);
    EXPECT_EQ(addToSelection({7}, {7}), (std::vector<int>{7, 7})); // a repeat is added again
}

} // namespace
} // namespace q7582
