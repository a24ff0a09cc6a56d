#pragma once
// The bodies of the "&Report" menu handlers: each checks its preconditions, shows the
// first refusal in a warning box, or builds the report and shows it in the viewer.
// The main window owns the state and wires each menu item to one call.

#include "model/ConfigImage.h"
#include "model/Provenance.h"
#include "reports/StatusReport.h"

#include <QDateTime>

#include <functional>

class QWidget;

namespace q7582 {

struct ConfigReportSources;
class LinkShared;
class ReportViewer;

class ReportCommands {
public:
    using WarningBox = std::function<void(const QString& title, const QString& text)>;
    using Clock = std::function<QDateTime()>;

    ReportCommands(LinkShared& link, const Provenance& provenance, const ConfigImage& image, const NameTables& names,
                   ReportViewer& viewer, WarningBox warn, Clock now = &QDateTime::currentDateTime);

    void showStatusReport(const StatusWindowValues& window);
    void showDeskMicrophoneReport();
    void showIoCardReport();
    void showTimerReport();

private:
    StatusBlock statusSnapshot() const;
    void runConfigurationReport(Report (*build)(const ConfigReportSources&));

    LinkShared& link_;
    const Provenance& provenance_;
    const ConfigImage& image_;
    const NameTables& names_;
    ReportViewer& viewer_;
    WarningBox warn_;
    Clock now_;
};

// The system's warning box (exclamation icon, OK button) over the given window.
ReportCommands::WarningBox warningBoxOver(QWidget* parent);

} // namespace q7582
