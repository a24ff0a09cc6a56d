// MainWindow: the panels and controls, built once at construction.

#include "ui/main/ActiveSourcePanel.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/GroupsPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/Widgets.h"
#include "ui/main/ZoneGridPanel.h"

#include <QGroupBox>
#include <QLabel>
#include "ui/main/Meter.h"
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

namespace q7582 {

// Every panel's help button opens its topic; leaving one gives the focus back (musicLabelsLeft).
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

QSlider* MainWindow::makeLevelSlider(QWidget* panel, int index, const QRect& geometry)
{
    const bool vertical = levelSliderIsVertical(index);
    auto* s = new QSlider(vertical ? Qt::Vertical : Qt::Horizontal, panel);
    s->setObjectName(QStringLiteral("LevelSliders%1").arg(index));
    s->setRange(0, StatusBlock::LevelMax);
    s->setTickPosition(vertical ? QSlider::TicksBothSides : QSlider::TicksBelow);
    s->setTickInterval(vertical ? 2 : 5);
    s->setPageStep(vertical ? 2 : 5);
    // Position 0 at the top, as the level sent is 20 - position.
    s->setInvertedAppearance(vertical);
    s->setInvertedControls(vertical);
    s->setValue(sliderPositionForLevel(index, 0)); // where the all-zero block puts it: no tag at start-up
    s->setGeometry(geometry);
    s->setProperty("liveParam", index);
    levelSliders_[std::size_t(index)] = s;
    return s;
}

void MainWindow::buildPanels()
{
    masterArea_ = new QWidget(modes_);
    masterArea_->setObjectName(QStringLiteral("MasterArea"));

    buildSpeechPanel(masterArea_);
    buildMusicPanel(masterArea_);
    buildVoxPanel(masterArea_);
    unitsPanel_ = new UnitsPanel(masterArea_);
    activeSourcePanel_ = new ActiveSourcePanel(masterArea_);
    groupsPanel_ = new GroupsPanel(masterArea_);
    musicSelectionPanel_ = new MusicSelectionPanel(masterArea_);
    zonePanel_ = new ZoneGridPanel(masterArea_);
    outputPanel_ = new IoGridPanel(IoGridPanel::Outputs, masterArea_);
    inputPanel_ = new IoGridPanel(IoGridPanel::Inputs, masterArea_);
    masterPanel_ = new MasterPanel(masterArea_);
    buildGeneratorPanel(modes_);
    modes_->addWidget(masterArea_);
    modes_->addWidget(generatorArea_);

    // The value tag of the last moved slider, on that slider's panel.
    levelTag_ = new QLabel(masterArea_);
    levelTag_->setObjectName(QStringLiteral("LevelTag"));
    levelTag_->setFixedSize(20, 16);
    levelTag_->setAlignment(Qt::AlignCenter);
    levelTag_->setAutoFillBackground(true);
    QPalette p = levelTag_->palette();
    p.setColor(QPalette::Window, colours::valueTag());
    levelTag_->setPalette(p);
    levelTag_->hide();

    levelTagTimer_ = new QTimer(this);
    levelTagTimer_->setObjectName(QStringLiteral("TBox"));
    levelTagTimer_->setInterval(2000);
    levelTagTimer_->setSingleShot(true);
    parkFocusTimer_ = new QTimer(this);
    parkFocusTimer_->setObjectName(QStringLiteral("togliFocus"));
    parkFocusTimer_->setInterval(3000);
    parkFocusTimer_->setSingleShot(true);
}

void MainWindow::buildSpeechPanel(QWidget* parent)
{
    QGroupBox* panel = makePanel(parent, QStringLiteral("Speech"), "PanelSpeech", QRect(4, 2, 300, 200),
                                 "BbSpeech", HelpContext::SpeechPanel);
    makeLabel(panel, QStringLiteral("Speech level"), QRect(8, 18, 80, 16));
    makeLevelSlider(panel, LiveSpeechLevel, QRect(36, 36, 30, 144));
    static const char* const inputs[] = {"VOX1 input", "VOX2 input", "Message input", "Unit input", "Remote input"};
    for (int i = 0; i < StatusBlock::SpeechInputCount; ++i) {
        const int y = 40 + 32 * i;
        makeLabel(panel, QString::fromLatin1(inputs[i]), QRect(84, y + 2, 90, 16));
        makeLevelSlider(panel, 2 + i, QRect(176, y, 100, 20));
    }
}

void MainWindow::buildMusicPanel(QWidget* parent)
{
    QGroupBox* panel = makePanel(parent, QStringLiteral("Music"), "PanelMusic", QRect(4, 204, 300, 200),
                                 "BbMusic", HelpContext::MusicPanel);
    makeLabel(panel, QStringLiteral("Music level"), QRect(8, 18, 80, 16));
    makeLevelSlider(panel, LiveMusicLevel, QRect(36, 36, 30, 144));
    for (int i = 0; i < StatusBlock::MusicSourceCount; ++i) {
        const int y = 40 + 32 * i;
        musicLabels_[std::size_t(i)] =
            makeText(panel, QStringLiteral("LabelMusic%1").arg(i + 1), QRect(84, y + 2, 90, 16), false);
        musicLabels_[std::size_t(i)]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        makeLevelSlider(panel, 7 + i, QRect(176, y, 100, 20));
    }
}

void MainWindow::buildVoxPanel(QWidget* parent)
{
    QGroupBox* panel = makePanel(parent, QStringLiteral("VOX"), "PanelVox", QRect(4, 406, 300, 190),
                                 "BbVox", HelpContext::VoxPanel);
    makeLabel(panel, QStringLiteral("VOX1 threshold"), QRect(8, 42, 100, 16));
    makeLevelSlider(panel, 12, QRect(120, 40, 80, 20));
    makeLabel(panel, QStringLiteral("VOX2 threshold"), QRect(8, 82, 100, 16));
    makeLevelSlider(panel, 13, QRect(120, 80, 80, 20));
    makeLabel(panel, QStringLiteral("VOX1 level"), QRect(8, 122, 100, 16));
    makeLabel(panel, QStringLiteral("VOX2 level"), QRect(8, 150, 100, 16));
    leftMeter_ = new Meter(StatusBlock::LevelMax, panel);
    leftMeter_->setObjectName(QStringLiteral("prBar1"));
    leftMeter_->setGeometry(120, 122, 160, 16);
    rightMeter_ = new Meter(StatusBlock::LevelMax, panel);
    rightMeter_->setObjectName(QStringLiteral("prBar2"));
    rightMeter_->setGeometry(120, 150, 160, 16);
    for (Meter* bar : {leftMeter_, rightMeter_})
        bar->setFocusPolicy(Qt::ClickFocus); // takes the focus off the sliders (togliFocus)
}

} // namespace q7582
