#pragma once
// The texts of a timer event's settings, shared by the timer report and the
// configuration comparison.

#include "model/ConfigImage.h"

#include <QString>

namespace q7582 {

// The start fields as the record holds them: every BCD byte read as high nibble x 10
// plus low nibble, so that a corrupt field is shown as it is rather than masked.
struct RawStart {
    int second, minute, hour, day, month, year;
};

RawStart rawStart(const ConstTimerEventRecord& timer);
// dd/MM/yyyy, or the raw fields followed by " (invalid)"
QString startDate(const RawStart& start);
// HH:mm.ss, or the raw fields followed by " (invalid)"
QString startTime(const RawStart& start);
// The start time of day plus the duration; past midnight followed by " (next day)".
QString stopTime(const RawStart& start, std::uint32_t durationSeconds);
// "Mon" (0) to "Sun" (6), as the repeat days are named
QString dayName(int day);
// "One time event", "Daily event" or "Weekly event (Mon, Wed)"
QString repetition(Byte repeatDays);
// "MASTER RESET", "SYSTEM RESET" or the number
QString timerOutputEventName(Byte code);
// " - level operation", " - Rising edge operation", ...
QString timerTransitionText(int transition);

} // namespace q7582
