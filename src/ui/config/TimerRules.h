#pragma once
// Rules of the timer events page over one timer event record: the checks and repairs
// made when a timer is shown, the validity of period and duration, the start date and
// time, and the message event slots.

#include "model/ConfigImage.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <vector>

namespace q7582 {

inline constexpr int SecondsPerDay = 86400;
inline constexpr int HalfDay = 43200;
inline constexpr int MinPeriod = 10;
inline constexpr int ForcedDuration = 60;

// Seconds after midnight.
int secondOfDay(const QTime& t);

// Upper bound of the period for a start second S: 43200 up to noon, then what is left of the day.
int periodUpperBound(int startSecond);
bool periodValid(unsigned period, int startSecond);
bool durationValid(unsigned duration, int startSecond);

// The record views do not convert from mutable to const on their own.
inline ConstTimerEventRecord asConst(TimerEventRecord r) { return ConstTimerEventRecord(r.data()); }

// The start fields name a real date and time: every byte is packed BCD (no nibble
// above 9), second and minute < 60, hour <= 23, weekday 1..7, and the day exists in
// its month (31 February does not).
bool startFieldsValid(ConstTimerEventRecord r);
QDate startDate(ConstTimerEventRecord r);
QTime startTime(ConstTimerEventRecord r);
inline QDate startDate(TimerEventRecord r) { return startDate(asConst(r)); }
inline QTime startTime(TimerEventRecord r) { return startTime(asConst(r)); }
// The pickers into the record: date, weekday (Monday 1 .. Sunday 7) and time, packed BCD.
void writeStart(TimerEventRecord r, const QDate& date, const QTime& time);
// Invalid start fields are replaced by `now`; true when it wrote (an edit).
bool repairStart(TimerEventRecord r, const QDateTime& now);

// Priority 0 becomes 1; true when it wrote (an edit).
bool repairTimerPriority(TimerEventRecord r);

// Edge bits as shown: rising wins when both are set, and the falling bit is then
// dropped (silently). Returns the transition that stays: 0, 1 or 2.
int settleEdges(TimerEventRecord r);
// Falling, rising or none from the two edge buttons.
void setEdges(TimerEventRecord r, bool rising, bool falling);

// Whether the timer shows as periodic. A valid period with an invalid duration gets
// the duration 60; an invalid period, or a forced 60 s that would pass midnight,
// makes the timer non-periodic (period and duration 0). Silent.
bool settlePeriod(TimerEventRecord r);

// Bit 7 of the repeat days is never used: cleared silently. Returns what is left.
Byte settleRepeatDays(TimerEventRecord r);
// No day is one time, every day (0x7F) daily, any other set of days weekly.
enum class RepeatKind { OneTime, Daily, Weekly };
RepeatKind repeatKind(Byte days);

// The message event slots: numbers 1..127 in order, zeros skipped; `hadInvalid` when
// a value of 128 or more was skipped.
struct SlotScan {
    std::vector<int> events;
    bool hadInvalid = false;
};
SlotScan scanSlots(ConstTimerEventRecord r);
inline SlotScan scanSlots(TimerEventRecord r) { return scanSlots(asConst(r)); }
// Slot i = events[i] for the list, 0 after it (at most 16 are written).
void rewriteSlots(TimerEventRecord r, const std::vector<int>& events);
// Appends the chosen events (in the order given) while fewer than 16 are listed.
std::vector<int> addToSelection(std::vector<int> list, const std::vector<int>& chosen);

// Enabled only with something to do: bit 7 stays only when the list is not empty or
// there is an output event; otherwise it is cleared (silently). Returns enabled.
bool settleEnabled(TimerEventRecord r, bool listEmpty);

} // namespace q7582
