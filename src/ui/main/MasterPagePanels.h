#pragma once
// The panels of the master page, built once by the window. The live controls and the
// name commands work on them; the window owns them as Qt children.

class QWidget;

namespace q7582 {

class ActiveSourcePanel;
class GroupsPanel;
class IoGridPanel;
class LevelTag;
class LevelsPanel;
class MasterPanel;
class NameTables;
class MusicSelectionPanel;
class UnitsPanel;
class VoxPanel;
class ZoneGridPanel;

struct MasterPagePanels {
    LevelsPanel* speech = nullptr;
    LevelsPanel* music = nullptr;
    VoxPanel* vox = nullptr;
    LevelTag* levelTag = nullptr; // the value tag of the last moved slider
    UnitsPanel* units = nullptr;
    ActiveSourcePanel* activeSource = nullptr;
    GroupsPanel* groups = nullptr;
    MusicSelectionPanel* musicSelection = nullptr;
    ZoneGridPanel* zones = nullptr;
    IoGridPanel* outputs = nullptr;
    IoGridPanel* inputs = nullptr;
    MasterPanel* master = nullptr;

    // The site's names on the panels that show them.
    void showUnitNames(const NameTables& names) const;
    void showGridNames(const NameTables& names) const; // zones, outputs, inputs
    void showMusicNames(const NameTables& names) const;
    void showNames(const NameTables& names) const;
};

// Every panel at its place on area, which owns them.
MasterPagePanels buildMasterPagePanels(QWidget* area);

} // namespace q7582
