#pragma once
// The "Zones" panel: the six slaves' zones. It keeps the zones' states, so that a right
// click can flag a zone's music before the master knows of it.

#include "ui/main/GridPanel.h"

namespace q7582 {

class ZoneGridPanel : public GridPanel {
    Q_OBJECT
public:
    explicit ZoneGridPanel(QWidget* parent);

    void showStatus(const StatusBlock& sb);
    // Switches a zone's music flag on the display; false: the zone cannot take it.
    bool toggleMusic(int cell);
    const ZoneCells& cells() const { return cells_; }

private:
    ZoneCells cells_{};
};

} // namespace q7582
