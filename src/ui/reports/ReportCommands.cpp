#include "ui/reports/ReportCommands.h"

#include "link/LinkShared.h"
#include "reports/ConfigurationReports.h"
#include "reports/ReportGuards.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/Workspace.h"
#include "ui/reports/ReportViewer.h"

#include <QCoreApplication>

namespace q7582 {

ReportCommands::ReportCommands(LinkShared& link, Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs,
                               QWidget* owner, Clock now)
    : link_(link), workspace_(workspace), viewer_(viewer), dialogs_(dialogs), owner_(owner), now_(std::move(now))
{
}

void ReportCommands::refuse(const QString& title, const QString& text) { dialogs_.warning(owner_, title, text); }

StatusBlock ReportCommands::statusSnapshot() const
{
    return link_.withStatus([](const StatusBlock& status) { return status; });
}

void ReportCommands::showStatusReport(const StatusWindowValues& window)
{
    if (const auto refusal = statusReportRefusal(link_.connectionState)) {
        refuse(QCoreApplication::translate("ReportGuards", StatusReportTitle), *refusal);
        return;
    }
    viewer_.showReport(buildStatusReport(statusSnapshot(), window, workspace_.names(), now_()));
}

void ReportCommands::runConfigurationReport(Report (*build)(const ConfigReportSources&))
{
    const StatusBlock status = statusSnapshot();
    if (const auto refusal =
            configurationReportRefusal(link_.connectionState, workspace_.provenance(), status.addressChime())) {
        refuse(QCoreApplication::translate("ReportGuards", ConfigurationReportTitle), *refusal);
        return;
    }
    viewer_.showReport(build(ConfigReportSources{status, workspace_.config(), workspace_.names(), now_()}));
}

void ReportCommands::showDeskMicrophoneReport() { runConfigurationReport(&buildDeskMicrophoneReport); }

void ReportCommands::showIoCardReport() { runConfigurationReport(&buildIoCardReport); }

void ReportCommands::showTimerReport() { runConfigurationReport(&buildTimerReport); }

} // namespace q7582
