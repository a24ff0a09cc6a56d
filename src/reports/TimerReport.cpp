#include "reports/ConfigurationReports.h"
#include "reports/ReportText.h"
#include "reports/TimerText.h"

#include <QCoreApplication>

namespace q7582 {

namespace {

struct TimerReport {
    Q_DECLARE_TR_FUNCTIONS(TimerReport)
};

QString outputEventLine(const ConstTimerEventRecord& timer)
{
    const Byte code = timer.outputEvent();
    if (code == OutputEventCode::None)
        return TimerReport::tr("No Timer Output event set");
    return TimerReport::tr("Timer Output event %1").arg(timerOutputEventName(code))
           + timerTransitionText(timer.transition());
}

void appendTimer(Report& report, const ConstTimerEventRecord& timer, int number)
{
    report.add(TimerReport::tr("Setting of timer event %1").arg(number), ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    report.add(repetition(timer.repeatDays()), ReportStyle::Body);

    const RawStart start = rawStart(timer);
    if (timer.durationSeconds() != 0) {
        report.add(TimerReport::tr("Event start date %1").arg(startDate(start)), ReportStyle::Body);
        report.add(TimerReport::tr("Event start time %1").arg(startTime(start)), ReportStyle::Body);
        report.add(TimerReport::tr("Period = %1 sec.").arg(timer.periodSeconds()), ReportStyle::Body);
        report.add(TimerReport::tr("Stop time %1").arg(stopTime(start, timer.durationSeconds())), ReportStyle::Body);
    } else {
        report.add(TimerReport::tr("Event date %1").arg(startDate(start)), ReportStyle::Body);
        report.add(TimerReport::tr("Event time %1").arg(startTime(start)), ReportStyle::Body);
        report.add(TimerReport::tr("No periodic event"), ReportStyle::Body);
    }

    report.add(TimerReport::tr("Timer Priority = %1").arg(timer.priority()), ReportStyle::Body);
    report.add(TimerReport::tr("Timer enable = %1").arg(onOff(timer.enabled())), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);

    if (timer.messageEvent(0) != 0) {
        report.add(TimerReport::tr("Message event list"), ReportStyle::SubHeading);
        for (int slot = 0; slot < ConstTimerEventRecord::MessageSlots; ++slot)
            if (timer.messageEvent(slot) != 0)
                report.add(TimerReport::tr("Message event %1").arg(timer.messageEvent(slot)), ReportStyle::Body);
    } else {
        report.add(TimerReport::tr("Message event list EMPTY"), ReportStyle::SubHeading);
    }
    report.add(QString(), ReportStyle::Body);
    report.add(outputEventLine(timer), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);
}

} // namespace

Report buildTimerReport(const ConfigReportSources& sources)
{
    Report report = configurationReportHeader(
        TimerReport::tr("Programmed timers configuration report of the master with address %1"), sources);
    for (int t = 1; t <= ConfigImage::TimerEvents; ++t)
        if (sources.image.timer(t).programmed())
            appendTimer(report, sources.image.timer(t), t);
    closeConfigurationReport(report, TimerReport::tr("NO TIMERS CREATED FOR MASTER"));
    return report;
}

} // namespace q7582
