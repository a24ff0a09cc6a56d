#pragma once
// "Site" > "Overview" (SiteOverview): masters 0 to 5 of the open site, each with the
// newest Upload and Download its history keeps (date, partial or not), the differences
// between the two, and whether it is the master connected. A row opens its newest entry
// as the configuration (through the window's Open) or compares its Upload with its
// Download (or its one entry with the configuration in memory) in the report viewer.

#include "history/MasterHoldings.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QPushButton;
class QTableWidget;

namespace q7582 {

class DialogProvider;
class ReportViewer;
class Workspace;

class SiteOverview : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<std::optional<int>()> connectedMaster;
        std::function<void(const QString& path)> open; // as "&Config"/"&Open" opens a named file
    };

    SiteOverview(Workspace& workspace, ReportViewer& viewer, DialogProvider& dialogs, Hooks hooks,
                 QWidget* parent = nullptr);

    // Reads the history again and fills the rows.
    void reload();
    const std::vector<MasterOverviewRow>& rows() const { return rows_; }

private:
    const MasterOverviewRow* selectedRow() const;
    void openRow();
    void compareRow();

    Workspace& workspace_;
    ReportViewer& viewer_;
    DialogProvider& dialogs_;
    Hooks hooks_;
    std::vector<MasterOverviewRow> rows_;
    QTableWidget* table_;
    QPushButton* open_;
    QPushButton* compare_;
};

} // namespace q7582
