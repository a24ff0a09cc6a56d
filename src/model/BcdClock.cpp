#include "model/BcdClock.h"

#include <chrono>

namespace q7582 {

bool ClockTime::isValid() const
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    const std::chrono::year_month_day ymd{std::chrono::year(year), std::chrono::month(unsigned(month)),
                                          std::chrono::day(unsigned(day))};
    return ymd.ok() && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

namespace Bcd {

Byte encode(int value) { return Byte(((value % 100) / 10) << 4 | (value % 10)); }

int decode(Byte b, int tensBits) { return 10 * ((b >> 4) & ((1 << tensBits) - 1)) + (b & 0x0F); }

ClockTime decodeClock(const Byte* c)
{
    ClockTime t;
    t.second = decode(c[Second], 3);
    t.minute = decode(c[Minute], 3);
    t.hour = decode(c[Hour], 2);
    t.weekday = c[Weekday] & 0x07;
    t.day = decode(c[Day], 2);
    t.month = decode(c[Month], 1);
    t.year = 2000 + decode(c[Year], 4);
    return t;
}

void encodeClock(Byte* c, const ClockTime& t)
{
    c[Second] = encode(t.second);
    c[Minute] = encode(t.minute);
    c[Hour] = encode(t.hour);
    const int weekday = t.weekday % 7 == 0 ? 7 : t.weekday % 7;
    c[Weekday] = Byte((c[Weekday] & 0xF0) | weekday);
    c[Day] = encode(t.day);
    c[Month] = encode(t.month);
    c[Year] = encode(t.year);
}

} // namespace Bcd
} // namespace q7582
