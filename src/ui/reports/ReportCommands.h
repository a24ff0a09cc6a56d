#pragma once
// The bodies of the "&Report" menu handlers: each checks its preconditions, shows the
// first refusal in a warning box, or builds the report and shows it in the viewer.
// The main window owns the state and wires each menu item to one call.

#include "reports/StatusReport.h"

#include <QDateTime>

#include <functional>

class QWidget;

namespace q7582 {

struct ConfigReportSources;
class DialogProvider;
class LinkShared;
class ReportViewer;
class Workspace;

class ReportCommands {
public:
    using Clock = std::function<QDateTime()>;

    // The refusals are warning boxes over owner.
    ReportCommands(LinkShared& link, Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs,
                   QWidget* owner, Clock now = &QDateTime::currentDateTime);

    void showStatusReport(const StatusWindowValues& window);
    void showDeskMicrophoneReport();
    void showIoCardReport();
    void showTimerReport();

private:
    StatusBlock statusSnapshot() const;
    void runConfigurationReport(Report (*build)(const ConfigReportSources&));

    void refuse(const QString& title, const QString& text);

    LinkShared& link_;
    Workspace& workspace_;
    ReportViewer& viewer_;
    DialogProvider& dialogs_;
    QWidget* owner_;
    Clock now_;
};

} // namespace q7582
