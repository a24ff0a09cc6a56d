#include "reports/TimerText.h"

#include "reports/ReportText.h"

#include <QCoreApplication>
#include <QStringList>

namespace q7582 {
namespace {

struct TimerText {
    Q_DECLARE_TR_FUNCTIONS(TimerText)
};

constexpr qint64 SecondsPerDay = 24 * 3600;

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

} // namespace

RawStart rawStart(const ConstTimerEventRecord& timer)
{
    const Byte* start = timer.start();
    auto field = [start](int offset) { return Bcd::decode(start[offset], 4); };
    return {field(Bcd::Second), field(Bcd::Minute), field(Bcd::Hour),
            field(Bcd::Day),    field(Bcd::Month),  2000 + field(Bcd::Year)};
}

QString startDate(const RawStart& s)
{
    const QDate date(s.year, s.month, s.day);
    if (date.isValid())
        return reportDate(date);
    return invalidText(twoDigits(s.day) + QLatin1Char('/') + twoDigits(s.month) + QLatin1Char('/')
                       + QString::number(s.year));
}

QString startTime(const RawStart& s)
{
    const QTime time(s.hour, s.minute, s.second);
    if (time.isValid())
        return reportTime(time);
    return invalidText(twoDigits(s.hour) + QLatin1Char(':') + twoDigits(s.minute) + QLatin1Char('.')
                       + twoDigits(s.second));
}

// A stop time past midnight is shown as the time of day it falls on.
QString stopTime(const RawStart& s, std::uint32_t durationSeconds)
{
    const qint64 total = qint64(s.hour) * 3600 + s.minute * 60 + s.second + durationSeconds;
    const QString time = reportTime(QTime(0, 0).addSecs(int(total % SecondsPerDay)));
    return total >= SecondsPerDay ? TimerText::tr("%1 (next day)").arg(time) : time;
}

QString dayName(int day)
{
    static const char* const names[] = {QT_TRANSLATE_NOOP("TimerText", "Mon"), QT_TRANSLATE_NOOP("TimerText", "Tue"),
                                        QT_TRANSLATE_NOOP("TimerText", "Wed"), QT_TRANSLATE_NOOP("TimerText", "Thu"),
                                        QT_TRANSLATE_NOOP("TimerText", "Fri"), QT_TRANSLATE_NOOP("TimerText", "Sat"),
                                        QT_TRANSLATE_NOOP("TimerText", "Sun")};
    return TimerText::tr(names[day]);
}

QString repetition(Byte repeatDays)
{
    if (repeatDays == 0)
        return TimerText::tr("One time event");
    if (repeatDays == ConstTimerEventRecord::Daily)
        return TimerText::tr("Daily event");
    QStringList days;
    for (int bit = 0; bit < 7; ++bit)
        if (repeatDays & (1u << bit))
            days << dayName(bit);
    return TimerText::tr("Weekly event (%1)").arg(days.join(QStringLiteral(", ")));
}

QString timerOutputEventName(Byte code)
{
    if (code == OutputEventCode::ResetMaster)
        return QStringLiteral("MASTER RESET");
    if (code == OutputEventCode::ResetSystem)
        return QStringLiteral("SYSTEM RESET");
    return QString::number(code);
}

QString timerTransitionText(int transition)
{
    static const char* const transitions[] = {QT_TRANSLATE_NOOP("TimerText", " - level operation"),
                                              QT_TRANSLATE_NOOP("TimerText", " - Rising edge operation"),
                                              QT_TRANSLATE_NOOP("TimerText", " - Falling edge operation"),
                                              QT_TRANSLATE_NOOP("TimerText", " - Rising and falling edges operation")};
    return TimerText::tr(transitions[transition & 3]);
}

} // namespace q7582
