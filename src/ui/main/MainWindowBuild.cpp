// MainWindow: the panels and controls, built once at construction.

#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/Icons.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MusicCombo.h"
#include "ui/main/Widgets.h"
#include "ui/main/ZoneGridPanel.h"

#include <QGroupBox>
#include <QLabel>
#include "ui/main/Meter.h"
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace q7582 {
namespace {

constexpr int RowPitch = 16;
constexpr int CellHeight = 15;

} // namespace

QGroupBox* MainWindow::makePanel(QWidget* parent, const char* name, const QString& title, const QRect& geometry)
{
    auto* panel = new QGroupBox(title, parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    return panel;
}

QToolButton* MainWindow::makeHelpButton(QGroupBox* panel, const char* name, int context)
{
    auto* b = new QToolButton(panel);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon(icons::help()));
    b->setAutoRaise(true);
    b->setToolTip(QStringLiteral("Help"));
    b->setGeometry(panel->width() - 24, 0, 20, 18);
    b->setProperty("helpContext", context);
    b->installEventFilter(this); // leaving it gives the focus back (musicLabelsLeft)
    connect(b, &QToolButton::clicked, this, [this, context] { help_.open(context); });
    return b;
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

void MainWindow::buildPanels(QWidget* central)
{
    masterArea_ = new QWidget(central);
    masterArea_->setObjectName(QStringLiteral("MasterArea"));
    masterArea_->setGeometry(0, 0, MasterWidth, MasterHeight);

    buildSpeechPanel(masterArea_);
    buildMusicPanel(masterArea_);
    buildVoxPanel(masterArea_);
    buildUnitPanel(masterArea_);
    buildActivePanel(masterArea_);
    buildGroupPanel(masterArea_);
    buildMusicSelectionPanel(masterArea_);
    buildGridPanels(masterArea_);
    buildAddressPanel(masterArea_);
    buildGeneratorPanel(central);

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
    QGroupBox* panel = makePanel(parent, "PanelSpeech", QStringLiteral("Speech"), QRect(4, 2, 300, 200));
    makeHelpButton(panel, "BbSpeech", HelpContext::SpeechPanel);
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
    QGroupBox* panel = makePanel(parent, "PanelMusic", QStringLiteral("Music"), QRect(4, 204, 300, 200));
    makeHelpButton(panel, "BbMusic", HelpContext::MusicPanel);
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
    QGroupBox* panel = makePanel(parent, "PanelVox", QStringLiteral("VOX"), QRect(4, 406, 300, 190));
    makeHelpButton(panel, "BbVox", HelpContext::VoxPanel);
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

void MainWindow::buildUnitPanel(QWidget* parent)
{
    QGroupBox* panel = makePanel(parent, "PanelUnit", QStringLiteral("Units"), QRect(308, 2, 262, 300));
    makeHelpButton(panel, "BbUnit", HelpContext::UnitPanel);
    makeLabel(panel, QStringLiteral("Name"), QRect(28, 18, 140, 14));
    makeLabel(panel, QStringLiteral("Pty/Line"), QRect(176, 18, 70, 14));
    for (int u = 0; u < StatusBlock::Units; ++u) {
        const int y = 36 + RowPitch * u;
        auto* icon = new QLabel(panel);
        icon->setObjectName(QStringLiteral("UnitIcon%1").arg(u));
        icon->setGeometry(8, y, 14, 14);
        icon->hide();
        unitIcons_[std::size_t(u)] = icon;
        ClickLabel* name = makeText(panel, QStringLiteral("UnitName%1").arg(u + 1), QRect(28, y, 140, CellHeight));
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        name->setProperty("tag", u + 1);
        unitNames_[std::size_t(u)] = name;
        unitLines_[std::size_t(u)] =
            makeText(panel, QStringLiteral("UnitLine%1").arg(u), QRect(176, y, 70, CellHeight));
    }
}

void MainWindow::buildActivePanel(QWidget* parent)
{
    QGroupBox* panel = makePanel(parent, "PanelAtt", QStringLiteral("Active source"), QRect(308, 304, 262, 96));
    makeHelpButton(panel, "BbAtt", HelpContext::ActiveSourcePanel);
    makeLabel(panel, QStringLiteral("Source"), QRect(8, 24, 60, 16));
    activeUnit_ = makeText(panel, QStringLiteral("STUnitAtt"), QRect(70, 22, 110, 18));
    makeLabel(panel, QStringLiteral("Pty"), QRect(188, 24, 24, 16));
    activePriority_ = makeText(panel, QStringLiteral("STPtyAtt"), QRect(214, 22, 36, 18));
    makeLabel(panel, QStringLiteral("Message"), QRect(8, 56, 60, 16));
    activeMessage_ = makeText(panel, QStringLiteral("STMsgAtt"), QRect(70, 54, 110, 18));
}

void MainWindow::buildGroupPanel(QWidget* parent)
{
    QGroupBox* panel = makePanel(parent, "PanelGroup", QStringLiteral("Groups"), QRect(308, 402, 262, 64));
    makeHelpButton(panel, "BbGroup", HelpContext::GroupPanel);
    for (int s = 0; s < StatusBlock::Slaves; ++s) {
        const int x = 12 + 40 * s;
        QLabel* l = makeLabel(panel, QString::number(s), QRect(x, 18, 34, 14));
        l->setAlignment(Qt::AlignCenter);
        groupTexts_[std::size_t(s)] = makeText(panel, QStringLiteral("GroupText%1").arg(s), QRect(x, 36, 34, 18));
    }
}

void MainWindow::buildMusicSelectionPanel(QWidget* parent)
{
    QGroupBox* panel =
        makePanel(parent, "PanelMuSel", QStringLiteral("Music selection"), QRect(308, 468, 262, 128));
    makeHelpButton(panel, "BbMuSel", HelpContext::MusicSelectionPanel);
    makeLabel(panel, QStringLiteral("Music source"), QRect(8, 28, 100, 16));
    musicSourceCombo_ = new MusicCombo(panel);
    musicSourceCombo_->setObjectName(QStringLiteral("CbMusicAtt"));
    musicSourceCombo_->setGeometry(120, 24, 130, 24);
    makeLabel(panel, QStringLiteral("Music on Remote"), QRect(8, 70, 110, 16));
    musicOnRemoteButton_ = makeToggle(panel, "SPMoR", QStringLiteral("OFF"), QRect(120, 64, 60, 26));
}

void MainWindow::buildGridPanels(QWidget* parent)
{
    zonePanel_ = new ZoneGridPanel(parent);
    outputPanel_ = new IoGridPanel(IoGridPanel::Outputs, parent);
    inputPanel_ = new IoGridPanel(IoGridPanel::Inputs, parent);
    const struct {
        GridPanel* panel;
        const char* name;
        int top;
        const char* helpName;
        int helpContext;
    } panels[] = {{zonePanel_, "PanelSlave", 2, "BbSlave", HelpContext::ZonePanel},
                  {outputPanel_, "PanelOut", 128, "BbOut", HelpContext::OutputPanel},
                  {inputPanel_, "PanelIn", 254, "BbIn", HelpContext::InputPanel}};
    for (const auto& p : panels) {
        p.panel->setObjectName(QString::fromLatin1(p.name));
        p.panel->setGeometry(574, p.top, 272, 124);
        makeHelpButton(p.panel, p.helpName, p.helpContext);
    }
}

void MainWindow::buildAddressPanel(QWidget* parent)
{
    QGroupBox* panel = makePanel(parent, "PanelAddr", QStringLiteral("Master"), QRect(574, 380, 272, 216));
    makeHelpButton(panel, "BbAddr", HelpContext::MasterPanel);
    masterControlLabels_.push_back(
        makeLabel(panel, QStringLiteral("Master address"), QRect(8, 26, 100, 16), "LabelAddr"));
    masterAddress_ = makeText(panel, QStringLiteral("STAddr"), QRect(120, 24, 40, 18));
    masterAddress_->setToolTip(QStringLiteral("Double click to change the master address"));
    masterControlLabels_.push_back(
        makeLabel(panel, QStringLiteral("Chime enable"), QRect(8, 54, 100, 16), "LabelChime"));
    chimeButton_ = makeToggle(panel, "SPChime", QStringLiteral("OFF"), QRect(120, 48, 60, 26));
    masterControlLabels_.push_back(
        makeLabel(panel, QStringLiteral("Master Date"), QRect(8, 86, 90, 16), "LabelMDate"));
    masterDate_ = makeText(panel, QStringLiteral("STMDate"), QRect(100, 84, 160, 18));
    masterControlLabels_.push_back(
        makeLabel(panel, QStringLiteral("Master Time"), QRect(8, 110, 90, 16), "LabelMTime"));
    masterTime_ = makeText(panel, QStringLiteral("STMTime"), QRect(100, 108, 160, 18));
    alignClockButton_ = new QPushButton(QStringLiteral("Align Date and Time with PC"), panel);
    alignClockButton_->setObjectName(QStringLiteral("SPTime"));
    alignClockButton_->setGeometry(8, 138, 256, 28);
    summerTimeButton_ = makeToggle(panel, "SPLegalTime", QStringLiteral("Disable summer legal time"), QRect(8, 174, 256, 28));
}

} // namespace q7582
