#include "ui/main/MasterPageView.h"

#include "ui/main/ActiveSourcePanel.h"
#include "ui/main/GroupsPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/StatusRules.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

#include <QSlider>

#include <algorithm>

namespace q7582 {

MasterPageView::MasterPageView(QWidget* parent) : QWidget(parent), panels_(buildMasterPagePanels(this))
{
    setObjectName(QStringLiteral("MasterPageView"));
    setFixedSize(MainWindow::MasterWidth, MainWindow::MasterHeight);
    // Read only: no click, wheel or key reaches a control.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
}

void MasterPageView::showNames(const NameTables& names) { panels_.showNames(names); }

void MasterPageView::showStatus(const StatusBlock& sb, bool connected)
{
    panels_.zones->showStatus(sb);
    panels_.outputs->showStatus(sb);
    panels_.inputs->showStatus(sb);
    panels_.units->showStatus(sb);
    panels_.activeSource->showStatus(sb);
    panels_.groups->showStatus(sb);
    panels_.vox->showMeters(sb);
    for (LevelSliderPanel* panel :
         {static_cast<LevelSliderPanel*>(panels_.speech), static_cast<LevelSliderPanel*>(panels_.music),
          static_cast<LevelSliderPanel*>(panels_.vox)})
        for (QSlider* s : panel->sliders()) {
            const auto level = LiveParam(s->property("liveParam").toInt());
            s->setValue(std::clamp(sliderPositionForLevel(level, levelByte(sb, level)), 0, int(StatusBlock::LevelMax)));
        }
    panels_.musicSelection->showSource(sb.musicSelect());
    panels_.musicSelection->showMusicOnRemote(sb.musicOnRemote());
    MasterPanel& master = *panels_.master;
    master.showAddress(sb.masterAddress());
    master.showChime(sb.chimeEnabled());
    master.showSummerTimeOff(sb.summerTimeOff());
    master.showClock(sb.masterClock());
    master.setConnected(connected);
    setEnabled(connected);
}

} // namespace q7582
