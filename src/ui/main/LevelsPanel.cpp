#include "ui/main/LevelsPanel.h"

#include "model/StatusBlock.h"
#include "settings/NameTables.h"
#include "ui/common/HelpContexts.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/LevelSlider.h"
#include "ui/main/Meter.h"
#include "ui/main/StatusRules.h"
#include "ui/main/Widgets.h"

#include <QLabel>
#include <QSlider>

namespace q7582 {

LevelSliderPanel::LevelSliderPanel(const QString& title, QWidget* parent) : Panel(title, parent) {}

void LevelSliderPanel::addSlider(LiveParam entry, const QRect& geometry)
{
    const bool vertical = levelSliderIsVertical(entry);
    auto* s = new LevelSlider(vertical ? Qt::Vertical : Qt::Horizontal, this);
    s->setObjectName(QStringLiteral("LevelSliders%1").arg(entry));
    s->setRange(0, StatusBlock::LevelMax);
    s->setTickPosition(vertical ? QSlider::TicksBothSides : QSlider::TicksBelow);
    s->setTickInterval(vertical ? 2 : 5);
    s->setPageStep(vertical ? 2 : 5);
    // Position 0 at the top, as the level sent is 20 - position; filled from the bottom.
    s->setInvertedAppearance(vertical);
    s->setInvertedControls(vertical);
    s->setValue(sliderPositionForLevel(entry, 0)); // where the all-zero block puts it: no tag at start-up
    s->setGeometry(geometry);
    s->setProperty("liveParam", entry);
    connect(s, &QSlider::valueChanged, this, [this, entry] { emit levelMoved(entry); });
    sliders_.push_back(s);
}

LevelsPanel::LevelsPanel(Kind kind, QWidget* parent)
    : LevelSliderPanel(kind == Speech ? tr("Speech") : tr("Music"), parent)
{
    static const char* const inputs[] = {QT_TR_NOOP("VOX1 input"), QT_TR_NOOP("VOX2 input"),
                                         QT_TR_NOOP("Message input"), QT_TR_NOOP("Unit input"),
                                         QT_TR_NOOP("Remote input")};
    const bool speech = kind == Speech;
    if (speech)
        placePanel(this, "PanelSpeech", QRect(4, 2, 300, 200), "BbSpeech", HelpContext::SpeechPanel);
    else
        placePanel(this, "PanelMusic", QRect(4, 204, 300, 200), "BbMusic", HelpContext::MusicPanel);
    makeLabel(this, speech ? tr("Speech level") : tr("Music level"), QRect(8, 18, 80, 16));
    addSlider(speech ? LiveSpeechLevel : LiveMusicLevel, QRect(36, 36, 30, 144));
    for (int i = 0; i < 5; ++i) {
        const int y = 40 + 32 * i;
        const QRect nameGeometry(84, y + 2, 90, 16);
        if (speech) {
            makeLabel(this, tr(inputs[i]), nameGeometry);
        } else {
            ClickLabel* name = makeText(this, QStringLiteral("LabelMusic%1").arg(i + 1), nameGeometry, false);
            name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (i < 4)
                connect(name, &ClickLabel::doubleClicked, this, [this, i] { emit sourceNameDoubleClicked(i + 1); });
            sourceNames_[std::size_t(i)] = name;
        }
        addSlider(speech ? speechInputLevel(i) : musicSourceLevel(i), QRect(176, y, 100, 20));
    }
}

void LevelsPanel::showNames(const NameTables& names)
{
    for (int n = 1; n <= StatusBlock::MusicSourceCount; ++n)
        sourceNames_[std::size_t(n - 1)]->setText(QString::fromStdString(names.musicName(n)));
}

QString LevelsPanel::sourceName(int n) const { return sourceNames_[std::size_t(n - 1)]->text(); }

VoxPanel::VoxPanel(QWidget* parent) : LevelSliderPanel(QStringLiteral("VOX"), parent)
{
    placePanel(this, "PanelVox", QRect(4, 406, 300, 190), "BbVox", HelpContext::VoxPanel);
    makeLabel(this, tr("VOX1 threshold"), QRect(8, 42, 100, 16));
    addSlider(voxThreshold(0), QRect(120, 40, 80, 20));
    makeLabel(this, tr("VOX2 threshold"), QRect(8, 82, 100, 16));
    addSlider(voxThreshold(1), QRect(120, 80, 80, 20));
    makeLabel(this, tr("VOX1 level"), QRect(8, 122, 100, 16));
    makeLabel(this, tr("VOX2 level"), QRect(8, 150, 100, 16));
    leftMeter_ = new Meter(StatusBlock::LevelMax, this);
    leftMeter_->setObjectName(QStringLiteral("prBar1"));
    leftMeter_->setGeometry(120, 122, 160, 16);
    rightMeter_ = new Meter(StatusBlock::LevelMax, this);
    rightMeter_->setObjectName(QStringLiteral("prBar2"));
    rightMeter_->setGeometry(120, 150, 160, 16);
    for (Meter* bar : {leftMeter_, rightMeter_})
        bar->setFocusPolicy(Qt::ClickFocus); // takes the focus off the sliders (togliFocus)
}

void VoxPanel::showMeters(const StatusBlock& sb)
{
    leftMeter_->setValue(sb.voxInputMeter(0));
    rightMeter_->setValue(sb.voxInputMeter(1));
}

QWidget* VoxPanel::focusPark() const { return leftMeter_; }

} // namespace q7582
