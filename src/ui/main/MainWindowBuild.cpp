// MainWindow: the panels and controls, built once at construction.

#include "ui/main/ActiveSourcePanel.h"
#include "ui/main/GeneratorPage.h"
#include "ui/main/GroupsPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/Widgets.h"
#include "ui/main/ZoneGridPanel.h"

#include <QSlider>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

namespace q7582 {

// Every panel's help button opens its topic; leaving one takes the focus off the sliders.
void MainWindow::connectHelpButtons()
{
    for (QToolButton* b : findChildren<QToolButton*>()) {
        const QVariant context = b->property("helpContext");
        if (!context.isValid())
            continue;
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, context] { help_.open(context.toInt()); });
    }
}

void MainWindow::buildPanels()
{
    masterArea_ = new QWidget(modes_);
    masterArea_->setObjectName(QStringLiteral("MasterArea"));

    speechPanel_ = new LevelsPanel(LevelsPanel::Speech, masterArea_);
    musicPanel_ = new LevelsPanel(LevelsPanel::Music, masterArea_);
    voxPanel_ = new VoxPanel(masterArea_);
    for (LevelSliderPanel* panel :
         {static_cast<LevelSliderPanel*>(speechPanel_), static_cast<LevelSliderPanel*>(musicPanel_),
          static_cast<LevelSliderPanel*>(voxPanel_)}) {
        for (QSlider* s : panel->sliders())
            levelSliders_[std::size_t(s->property("liveParam").toInt())] = s;
        connect(panel, &LevelSliderPanel::levelMoved, this, &MainWindow::levelChanged);
    }
    unitsPanel_ = new UnitsPanel(masterArea_);
    activeSourcePanel_ = new ActiveSourcePanel(masterArea_);
    groupsPanel_ = new GroupsPanel(masterArea_);
    musicSelectionPanel_ = new MusicSelectionPanel(masterArea_);
    zonePanel_ = new ZoneGridPanel(masterArea_);
    outputPanel_ = new IoGridPanel(IoGridPanel::Outputs, masterArea_);
    inputPanel_ = new IoGridPanel(IoGridPanel::Inputs, masterArea_);
    masterPanel_ = new MasterPanel(masterArea_);
    generatorPage_ = new GeneratorPage(QSize(GeneratorClientWidth, GeneratorClientHeight), modes_);
    connectGeneratorPage();
    modes_->addWidget(masterArea_);
    modes_->addWidget(generatorPage_);

    // The value tag of the last moved slider, on that slider's panel.
    levelTag_ = new LevelTag(masterArea_);

    parkFocusTimer_ = new QTimer(this);
    parkFocusTimer_->setObjectName(QStringLiteral("togliFocus"));
    parkFocusTimer_->setInterval(3000);
    parkFocusTimer_->setSingleShot(true);
}

} // namespace q7582
