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
class TForm3;

class ReportCommands {
public:
    using WarningBox = std::function<void(const QString& title, const QString& text)>;
    using Clock = std::function<QDateTime()>;

    ReportCommands(LinkShared& link, const Provenance& provenance, const ConfigImage& image, const Dizionario& names,
                   TForm3& viewer, WarningBox warn, Clock now = &QDateTime::currentDateTime);

    void Status1Click(const StatusWindowValues& window);
    void Connectedunits1Click();
    void ConnectedIOcard1Click();
    void imers1Click();

private:
    StatusBlock statusSnapshot() const;
    void runConfigurationReport(Report (*build)(const ConfigReportSources&));

    LinkShared& link_;
    const Provenance& provenance_;
    const ConfigImage& image_;
    const Dizionario& names_;
    TForm3& viewer_;
    WarningBox warn_;
    Clock now_;
};

// The system's warning box (exclamation icon, OK button) over the given window.
ReportCommands::WarningBox warningBoxOver(QWidget* parent);

} // namespace q7582
