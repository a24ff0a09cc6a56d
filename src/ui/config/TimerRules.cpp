#include "ui/config/TimerRules.h"

#include <algorithm>

namespace q7582 {

namespace {

constexpr Byte RepeatUnused = 0x80;

// tens*10 + units of a whole byte; -1 when a nibble is no decimal digit.
int bcdValue(Byte b)
{
    if ((b >> 4) > 9 || (b & 0x0F) > 9)
        return -1;
    return 10 * (b >> 4) + (b & 0x0F);
}

int field(ConstTimerEventRecord r, int which) { return bcdValue(r.start()[which]); }

} // namespace

int secondOfDay(const QTime& t) { return t.hour() * 3600 + t.minute() * 60 + t.second(); }

int periodUpperBound(int s) { return s <= HalfDay ? HalfDay : SecondsPerDay - 1 - s; }

bool periodValid(unsigned period, int s) { return period >= MinPeriod && int(period) <= periodUpperBound(s); }

bool durationValid(unsigned duration, int s)
{
    return duration >= MinPeriod && duration <= unsigned(SecondsPerDay - 1 - s);
}

bool startFieldsValid(ConstTimerEventRecord r)
{
    const int second = field(r, Bcd::Second), minute = field(r, Bcd::Minute), hour = field(r, Bcd::Hour);
    const int weekday = field(r, Bcd::Weekday), day = field(r, Bcd::Day), month = field(r, Bcd::Month);
    const int year = field(r, Bcd::Year);
    if (second < 0 || second >= 60 || minute < 0 || minute >= 60 || hour < 0 || hour > 23)
        return false;
    if (weekday < 1 || weekday > 7 || year < 0 || day < 1 || day > 31 || month < 1 || month > 12)
        return false;
    return QDate::isValid(2000 + year, month, day);
}

QDate startDate(ConstTimerEventRecord r)
{
    return QDate(2000 + field(r, Bcd::Year), field(r, Bcd::Month), field(r, Bcd::Day));
}

QTime startTime(ConstTimerEventRecord r)
{
    return QTime(field(r, Bcd::Hour), field(r, Bcd::Minute), field(r, Bcd::Second));
}

void writeStart(TimerEventRecord r, const QDate& date, const QTime& time)
{
    Byte* s = r.start();
    s[Bcd::Second] = Bcd::encode(time.second());
    s[Bcd::Minute] = Bcd::encode(time.minute());
    s[Bcd::Hour] = Bcd::encode(time.hour());
    s[Bcd::Weekday] = Bcd::encode(date.dayOfWeek()); // Qt counts Monday 1 .. Sunday 7 too
    s[Bcd::Day] = Bcd::encode(date.day());
    s[Bcd::Month] = Bcd::encode(date.month());
    s[Bcd::Year] = Bcd::encode(date.year() % 100);
}

bool repairStart(TimerEventRecord r, const QDateTime& now)
{
    if (startFieldsValid(asConst(r)))
        return false;
    writeStart(r, now.date(), now.time());
    return true;
}

bool repairTimerPriority(TimerEventRecord r)
{
    if (r.priority() != 0)
        return false;
    r.setPriority(1);
    return true;
}

int settleEdges(TimerEventRecord r)
{
    // Both edges set: the rising edge wins.
    if (r.transition() == 3)
        r.setTransition(1);
    return r.transition();
}

void setEdges(TimerEventRecord r, bool rising, bool falling) { r.setTransition(rising ? 1 : falling ? 2 : 0); }

bool settlePeriod(TimerEventRecord r)
{
    const int s = r.startSecondOfDay();
    if (periodValid(r.periodSeconds(), s)) {
        if (!durationValid(r.durationSeconds(), s))
            r.setDurationSeconds(ForcedDuration);
        // Near midnight even the forced minute does not fit in the day.
        if (durationValid(r.durationSeconds(), s))
            return true;
    }
    r.setPeriodSeconds(0);
    r.setDurationSeconds(0);
    return false;
}

Byte settleRepeatDays(TimerEventRecord r)
{
    r.setRepeatDays(Byte(r.repeatDays() & ~RepeatUnused));
    return r.repeatDays();
}

RepeatKind repeatKind(Byte days)
{
    if (days == 0)
        return RepeatKind::OneTime;
    return days == TimerEventRecord::Daily ? RepeatKind::Daily : RepeatKind::Weekly;
}

SlotScan scanSlots(ConstTimerEventRecord r)
{
    SlotScan scan;
    for (int slot = 0; slot < TimerEventRecord::MessageSlots; ++slot) {
        const Byte e = r.messageEvent(slot);
        if (e > ConfigImage::MessageEvents)
            scan.hadInvalid = true;
        else if (e != 0)
            scan.events.push_back(e);
    }
    return scan;
}

void rewriteSlots(TimerEventRecord r, const std::vector<int>& events)
{
    for (int slot = 0; slot < TimerEventRecord::MessageSlots; ++slot)
        r.setMessageEvent(slot, slot < int(events.size()) ? Byte(events[slot]) : Byte(0));
}

std::vector<int> addToSelection(std::vector<int> list, const std::vector<int>& chosen)
{
    for (int e : chosen) {
        if (int(list.size()) >= TimerEventRecord::MessageSlots)
            break;
        list.push_back(e);
    }
    return list;
}

bool settleEnabled(TimerEventRecord r, bool listEmpty)
{
    const bool enabled = r.enabled() && (!listEmpty || r.outputEvent() != 0);
    if (!enabled)
        r.setEnabled(false);
    return enabled;
}

} // namespace q7582
