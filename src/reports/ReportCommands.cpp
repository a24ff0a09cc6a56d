#include "reports/ReportCommands.h"

#include "link/LinkShared.h"
#include "reports/ConfigurationReports.h"
#include "reports/ReportViewer.h"
#include "reports/ReportGuards.h"

#include <QMessageBox>

namespace q7582 {

ReportCommands::ReportCommands(LinkShared& link, const Provenance& provenance, const ConfigImage& image,
                               const NameTables& names, ReportViewer& viewer, WarningBox warn, Clock now)
    : link_(link), provenance_(provenance), image_(image), names_(names), viewer_(viewer), warn_(std::move(warn)),
      now_(std::move(now))
{
}

StatusBlock ReportCommands::statusSnapshot() const
{
    return link_.withStatus([](const StatusBlock& status) { return status; });
}

void ReportCommands::showStatusReport(const StatusWindowValues& window)
{
    if (const auto refusal = statusReportRefusal(link_.connectionState)) {
        warn_(StatusReportTitle, *refusal);
        return;
    }
    viewer_.showReport(buildStatusReport(statusSnapshot(), window, names_, now_()));
}

void ReportCommands::runConfigurationReport(Report (*build)(const ConfigReportSources&))
{
    const StatusBlock status = statusSnapshot();
    if (const auto refusal = configurationReportRefusal(link_.connectionState, provenance_, status.addressChime())) {
        warn_(ConfigurationReportTitle, *refusal);
        return;
    }
    viewer_.showReport(build(ConfigReportSources{status, image_, names_, now_()}));
}

void ReportCommands::showDeskMicrophoneReport() { runConfigurationReport(&buildDeskMicrophoneReport); }

void ReportCommands::showIoCardReport() { runConfigurationReport(&buildIoCardReport); }

void ReportCommands::showTimerReport() { runConfigurationReport(&buildTimerReport); }

ReportCommands::WarningBox warningBoxOver(QWidget* parent)
{
    return [parent](const QString& title, const QString& text) {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
    };
}

} // namespace q7582
