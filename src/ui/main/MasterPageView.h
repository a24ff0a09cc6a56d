#pragma once
// The master page's panels, read only, showing a status block that does not come from the
// link (the timeline's cursor): the same panels the window shows, at the same places.

#include "ui/main/MasterPagePanels.h"

#include <QWidget>

namespace q7582 {

class NameTables;
class StatusBlock;

class MasterPageView : public QWidget {
    Q_OBJECT
public:
    explicit MasterPageView(QWidget* parent);

    void showNames(const NameTables& names);
    // connected: a master was connected at that instant; otherwise the panels are disabled
    // as the window's are without a master.
    void showStatus(const StatusBlock& sb, bool connected);
    const MasterPagePanels& panels() const { return panels_; }

private:
    MasterPagePanels panels_;
};

} // namespace q7582
