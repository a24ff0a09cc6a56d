#include "ui/main/MasterPagePanels.h"

#include "settings/NameTables.h"
#include "ui/main/ActiveSourcePanel.h"
#include "ui/main/GroupsPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

namespace q7582 {

MasterPagePanels buildMasterPagePanels(QWidget* area)
{
    MasterPagePanels p;
    p.speech = new LevelsPanel(LevelsPanel::Speech, area);
    p.music = new LevelsPanel(LevelsPanel::Music, area);
    p.vox = new VoxPanel(area);
    p.units = new UnitsPanel(area);
    p.activeSource = new ActiveSourcePanel(area);
    p.groups = new GroupsPanel(area);
    p.musicSelection = new MusicSelectionPanel(area);
    p.zones = new ZoneGridPanel(area);
    p.outputs = new IoGridPanel(IoGridPanel::Outputs, area);
    p.inputs = new IoGridPanel(IoGridPanel::Inputs, area);
    p.master = new MasterPanel(area);
    // The value tag of the last moved slider, on that slider's panel.
    p.levelTag = new LevelTag(area);
    return p;
}

void MasterPagePanels::showUnitNames(const NameTables& names) const { units->showNames(names); }

void MasterPagePanels::showGridNames(const NameTables& names) const
{
    zones->showNames(names.zones);
    outputs->showNames(names.outputs);
    inputs->showNames(names.inputs);
}

// Labels and selector always hold the five names in order; no item stays selected
// until the next refresh picks the master's source.
void MasterPagePanels::showMusicNames(const NameTables& names) const
{
    music->showNames(names);
    musicSelection->showNames(names);
}

void MasterPagePanels::showNames(const NameTables& names) const
{
    showUnitNames(names);
    showGridNames(names);
    showMusicNames(names);
}

} // namespace q7582
