#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace q7582;
using namespace std::chrono;

TEST(BcdClock, RoundTripsEveryDayOfALeapYearWithSundayAsSeven)
{
    for (sys_days d = sys_days{2028y / January / 1}; d < sys_days{2029y / January / 1}; d += days{1}) {
        const year_month_day ymd{d};
        const int day = int(unsigned(ymd.day()));
        const ClockTime t{2028, int(unsigned(ymd.month())), day, day % 24, 59 - day, 7, int(weekday{d}.iso_encoding())};
        StatusBlock status;
        status.bytes[0x67] = 0xF8; // bits 4-7 are kept, bit 3 is cleared by a weekday write
        status.setMasterClock(t);
        ASSERT_EQ(status.masterClock(), t) << unsigned(ymd.month()) << "/" << day;
        ASSERT_EQ(status.bytes[0x67], 0xF0 | (weekday{d} == Sunday ? 7 : weekday{d}.c_encoding()));
    }
}

TEST(BcdClock, EncodesTheBytesTheDevicesExpect)
{
    // Sunday 2026-12-06 08:05:09, the PC's Sunday (0) written as 7.
    StatusBlock status;
    status.setMasterClock(ClockTime{2026, 12, 6, 8, 5, 9, 0});
    const Byte master[7] = {0x09, 0x05, 0x08, 0x07, 0x06, 0x12, 0x26};
    EXPECT_TRUE(std::equal(master, master + 7, status.data() + 0x64));

    GeneratorStatus gen;
    gen.bytes[0x07] = 0x5A;
    gen.bytes[0x0C] = 0x30; // the high nibble of the weekday is kept
    gen.setClockFromPc(ClockTime{2099, 1, 31, 23, 59, 58, 6});
    const Byte set[8] = {0x58, 0x59, 0x23, 0x36, 0x31, 0x01, 0x99, 0x5A};
    EXPECT_TRUE(std::equal(set, set + 8, gen.data() + 0x09));
    EXPECT_EQ(gen.genCommand(), GeneratorStatus::CmdSetClock);

    EXPECT_FALSE(StatusBlock().masterClock().isValid()); // month 0: nothing to show
    EXPECT_FALSE((ClockTime{2027, 2, 29, 0, 0, 0, 1}.isValid()));
    EXPECT_EQ(messageFileName(7) + messageFileName(10) + messageFileName(128), "007.WAV010.WAV128.WAV");
    EXPECT_EQ(legalIdText(0x080A0E00), "8.10.14");
}
