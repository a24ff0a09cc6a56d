#pragma once
// Packed BCD clock of the master (status bytes 0x64..0x6A), of the generator
// (bytes 0x00..0x06 as read, 0x09..0x0F as set) and of a timer event's start:
// second, minute, hour, weekday, day, month, year-since-2000, in that order.

#include "model/Bytes.h"

namespace q7582 {

struct ClockTime {
    int year = 2000; // 2000..2099
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0; // 1 = Monday .. 7 = Sunday

    bool operator==(const ClockTime&) const = default;
    // True when year, month and day name a day of the calendar and the time of day exists.
    bool isValid() const;
};

namespace Bcd {
inline constexpr int ClockBytes = 7;
// Offsets inside the 7-byte clock.
inline constexpr int Second = 0, Minute = 1, Hour = 2, Weekday = 3, Day = 4, Month = 5, Year = 6;

// Units digit = value mod 10, tens digit = (value mod 100) div 10; the whole byte.
Byte encode(int value);
// 10 x (tens digit, masked to tensBits bits) + units digit.
int decode(Byte b, int tensBits);

ClockTime decodeClock(const Byte* clock);
// Replaces second..year whole; the weekday goes into the low nibble (a 0 becomes 7),
// the high nibble keeps its bits.
void encodeClock(Byte* clock, const ClockTime& t);
} // namespace Bcd

} // namespace q7582
