#pragma once
// The three configuration reports: the connected master's live bus (which units are
// there, their kind and line) combined with its uploaded configuration image.

#include "model/ConfigImage.h"
#include "model/StatusBlock.h"
#include "reports/ReportLine.h"
#include "settings/NameTables.h"

#include <QDateTime>

namespace q7582 {

struct ConfigReportSources {
    const StatusBlock& status;
    const ConfigImage& image;
    const NameTables& names;
    QDateTime now;
};

Report buildDeskMicrophoneReport(const ConfigReportSources& sources);
Report buildIoCardReport(const ConfigReportSources& sources);
Report buildTimerReport(const ConfigReportSources& sources);

// The caption, width and three header lines every configuration report starts with; the
// title's %1 is the master's address.
Report configurationReportHeader(const QString& title, const ConfigReportSources& sources);
// Appends the "nothing to report" line when nothing followed the header.
void closeConfigurationReport(Report& report, const QString& nothingText);

} // namespace q7582
