#include "reports/ConfigurationReports.h"
#include "reports/ReportText.h"

#include <QStringList>

namespace q7582 {

namespace {

constexpr qint64 SecondsPerDay = 24 * 3600;

// The start fields as the record holds them: every BCD byte read as high nibble x 10
// plus low nibble, so that a corrupt field is shown as it is rather than masked.
struct RawStart {
    int second, minute, hour, day, month, year;
};

RawStart rawStart(const ConstTimerEventRecord& timer)
{
    const Byte* start = timer.start();
    auto field = [start](int offset) { return Bcd::decode(start[offset], 4); };
    return {field(Bcd::Second), field(Bcd::Minute), field(Bcd::Hour),
            field(Bcd::Day),    field(Bcd::Month),  2000 + field(Bcd::Year)};
}

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QString startDate(const RawStart& s)
{
    const QDate date(s.year, s.month, s.day);
    if (date.isValid())
        return reportDate(date);
    return twoDigits(s.day) + QLatin1Char('/') + twoDigits(s.month) + QLatin1Char('/') + QString::number(s.year)
           + QStringLiteral(" (invalid)");
}

QString startTime(const RawStart& s)
{
    const QTime time(s.hour, s.minute, s.second);
    if (time.isValid())
        return reportTime(time);
    return twoDigits(s.hour) + QLatin1Char(':') + twoDigits(s.minute) + QLatin1Char('.') + twoDigits(s.second)
           + QStringLiteral(" (invalid)");
}

// A stop time past midnight is shown as the time of day it falls on.
QString stopTime(const RawStart& s, std::uint32_t durationSeconds)
{
    const qint64 total = qint64(s.hour) * 3600 + s.minute * 60 + s.second + durationSeconds;
    const QString time = reportTime(QTime(0, 0).addSecs(int(total % SecondsPerDay)));
    return total >= SecondsPerDay ? time + QStringLiteral(" (next day)") : time;
}

QString repetition(Byte repeatDays)
{
    if (repeatDays == 0)
        return QStringLiteral("One time event");
    if (repeatDays == ConstTimerEventRecord::Daily)
        return QStringLiteral("Daily event");
    static const char* const dayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    QStringList days;
    for (int bit = 0; bit < 7; ++bit)
        if (repeatDays & (1u << bit))
            days << QLatin1String(dayNames[bit]);
    return QStringLiteral("Weekly event (") + days.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString outputEventLine(const ConstTimerEventRecord& timer)
{
    const Byte code = timer.outputEvent();
    if (code == OutputEventCode::None)
        return QStringLiteral("No Timer Output event set");
    static const char* const transitions[] = {" - level operation", " - Rising edge operation",
                                              " - Falling edge operation", " - Rising and falling edges operation"};
    const QString event = code == OutputEventCode::ResetMaster   ? QStringLiteral("MASTER RESET")
                          : code == OutputEventCode::ResetSystem ? QStringLiteral("SYSTEM RESET")
                                                                 : QString::number(code);
    return QStringLiteral("Timer Output event ") + event + QLatin1String(transitions[timer.transition()]);
}

void appendTimer(Report& report, const ConstTimerEventRecord& timer, int number)
{
    report.add(QStringLiteral("Setting of timer event ") + QString::number(number), ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    report.add(repetition(timer.repeatDays()), ReportStyle::Body);

    const RawStart start = rawStart(timer);
    if (timer.durationSeconds() != 0) {
        report.add(QStringLiteral("Event start date ") + startDate(start), ReportStyle::Body);
        report.add(QStringLiteral("Event start time ") + startTime(start), ReportStyle::Body);
        report.add(QStringLiteral("Period = ") + QString::number(timer.periodSeconds()) + QStringLiteral(" sec."),
                   ReportStyle::Body);
        report.add(QStringLiteral("Stop time ") + stopTime(start, timer.durationSeconds()), ReportStyle::Body);
    } else {
        report.add(QStringLiteral("Event date ") + startDate(start), ReportStyle::Body);
        report.add(QStringLiteral("Event time ") + startTime(start), ReportStyle::Body);
        report.add(QStringLiteral("No periodic event"), ReportStyle::Body);
    }

    report.add(QStringLiteral("Timer Priority = ") + QString::number(timer.priority()), ReportStyle::Body);
    report.add(QStringLiteral("Timer enable = ") + onOff(timer.enabled()), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);

    if (timer.messageEvent(0) != 0) {
        report.add(QStringLiteral("Message event list"), ReportStyle::SubHeading);
        for (int slot = 0; slot < ConstTimerEventRecord::MessageSlots; ++slot)
            if (timer.messageEvent(slot) != 0)
                report.add(QStringLiteral("Message event ") + QString::number(timer.messageEvent(slot)),
                           ReportStyle::Body);
    } else {
        report.add(QStringLiteral("Message event list EMPTY"), ReportStyle::SubHeading);
    }
    report.add(QString(), ReportStyle::Body);
    report.add(outputEventLine(timer), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);
}

} // namespace

Report buildTimerReport(const ConfigReportSources& sources)
{
    Report report = configurationReportHeader(
        QStringLiteral("Programmed timers configuration report of the master with address "), sources);
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t)
        if (sources.image.timer(t).programmed())
            appendTimer(report, sources.image.timer(t), t);
    closeConfigurationReport(report, QStringLiteral("NO TIMERS CREATED FOR MASTER"));
    return report;
}

} // namespace q7582
