#include "reports/ConfigurationReports.h"
#include "reports/ReportText.h"

#include <QCoreApplication>

namespace q7582 {

namespace {
constexpr int ConfigurationReportWidth = 800;
constexpr int HeaderLines = 3;
} // namespace

Report configurationReportHeader(const QString& title, const ConfigReportSources& sources)
{
    Report report;
    report.caption = QCoreApplication::translate("ConfigurationReport", "Configuration report");
    report.width = ConfigurationReportWidth;
    report.add(title.arg(sources.status.masterAddress()), ReportStyle::Title);
    report.add(creationLine(sources.now), ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    return report;
}

void closeConfigurationReport(Report& report, const QString& nothingText)
{
    if (report.lines.size() <= HeaderLines)
        report.add(nothingText, ReportStyle::Heading);
}

} // namespace q7582
