#include "reports/ConfigurationReports.h"
#include "reports/ReportText.h"
#include "reports/TimerText.h"

namespace q7582 {

namespace {

QString outputEventLine(const ConstTimerEventRecord& timer)
{
    const Byte code = timer.outputEvent();
    if (code == OutputEventCode::None)
        return QStringLiteral("No Timer Output event set");
    return QStringLiteral("Timer Output event ") + timerOutputEventName(code) + timerTransitionText(timer.transition());
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
