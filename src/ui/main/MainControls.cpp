// TForm1: the live controls. None talks to the master: each marks a pending change
// that the next status refresh folds into the StatusBlock.

#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/Main.h"
#include "ui/main/MusicCombo.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include "ui/main/Meter.h"
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace q7582 {

void TForm1::connectControls()
{
    for (int i = 0; i < LevelSliderCount; ++i)
        connect(levelSliders_[std::size_t(i)], &QSlider::valueChanged, this, [this, i] { VolChange(i); });
    connect(cbMusicAtt_, &MusicCombo::dropDown, this, &TForm1::CbMusicAttDropDown);
    connect(cbMusicAtt_, &MusicCombo::closeUp, this, &TForm1::CbMusicAttCloseUp);
    connect(cbMusicAtt_, &QComboBox::activated, this, &TForm1::CbMusicAttChange); // user choices only
    connect(spMoR_, &QPushButton::clicked, this, &TForm1::SPMoRClick);
    connect(spChime_, &QPushButton::clicked, this, &TForm1::SPChimeClick);
    connect(spLegalTime_, &QPushButton::clicked, this, &TForm1::SPLegalTimeClick);
    connect(spTime_, &QPushButton::clicked, this, &TForm1::SPTimeClick);
    connect(stAddr_, &ClickLabel::doubleClicked, this, &TForm1::STAddrDblClick);
    for (int n = 0; n < GridCells; ++n) {
        ClickLabel* zone = zoneCellLabels_[std::size_t(n)];
        connect(zone, &ClickLabel::mousePressed, this, [this, n](Qt::MouseButton b) { changeMusica(n, b); });
        connect(zone, &ClickLabel::doubleClicked, this, [this, n] { changeNameZO(names_.zones, n); });
        connect(outCells_[std::size_t(n)], &ClickLabel::doubleClicked, this,
                [this, n] { changeNameZO(names_.outputs, n); });
        connect(inCells_[std::size_t(n)], &ClickLabel::doubleClicked, this,
                [this, n] { changeNameZO(names_.inputs, n); });
    }
    for (int u = 0; u < StatusBlock::Units; ++u)
        connect(unitNames_[std::size_t(u)], &ClickLabel::doubleClicked, this, [this, u] { changeNameUnit(u + 1); });
    // The fifth source, the remote input, keeps its name.
    for (int m = 0; m < 4; ++m)
        connect(musicLabels_[std::size_t(m)], &ClickLabel::doubleClicked, this, [this, m] { MusicChange(m + 1); });
    connect(tBox_, &QTimer::timeout, this, &TForm1::TBoxTimer);
    connect(togliFocus_, &QTimer::timeout, this, &TForm1::togliFocusTimer);
}

QDateTime TForm1::now() const { return now_ ? now_() : QDateTime::currentDateTime(); }

void TForm1::VolChange(int slider)
{
    showValueTag(slider);
    togliFocus_->start();
    PendingChange& entry = pending_[std::size_t(slider)];
    if (entry.ignoreNextChange)
        entry.ignoreNextChange = false; // the refresh moved it
    else
        entry.changed = true;
}

void TForm1::showValueTag(int slider)
{
    QSlider* s = levelSliders_[std::size_t(slider)];
    const int position = s->value();
    levelTag_->setText(QString::number(levelForSliderPosition(slider, position)));
    levelTag_->setParent(s->parentWidget());
    const QRect g = s->geometry();
    if (levelSliderIsVertical(slider))
        levelTag_->move(g.left() - 25, g.top() + 6 * position + 6);
    else if (slider >= 12)
        levelTag_->move(g.left() + 3 * position + 2, g.top() - 16);
    else
        levelTag_->move(g.left() + 4 * position + 1, g.top() - 16);
    levelTag_->show();
    levelTag_->raise();
    tBox_->start();
}

void TForm1::TBoxTimer()
{
    tBox_->stop();
    levelTag_->hide();
}

void TForm1::togliFocusTimer()
{
    togliFocus_->stop();
    prBar1_->setFocus();
}

void TForm1::BbMusicMouseLeave() { prBar1_->setFocus(); }

void TForm1::CbMusicAttDropDown() { pending_[LiveMusicSource].ignoreNextChange = true; }

void TForm1::CbMusicAttCloseUp() { pending_[LiveMusicSource].ignoreNextChange = false; }

void TForm1::CbMusicAttChange(int index)
{
    if (index < 0)
        return;
    pending_[LiveMusicSource].changed = true;
    selectedMusicSource_ = index;
}

void TForm1::SPMoRClick()
{
    // Music cannot come from the remote input while the remote input is the source.
    if (selectedMusicSource_ == 4)
        spMoR_->setChecked(false);
    spMoR_->setText(spMoR_->isChecked() ? QStringLiteral("ON") : QStringLiteral("OFF"));
    const bool onMaster = shared_.withStatus([](const StatusBlock& s) { return s.musicOnRemote(); });
    if (spMoR_->isChecked() != onMaster)
        pending_[LiveMusicOnRemote].changed = true;
}

void TForm1::SPChimeClick()
{
    spChime_->setText(spChime_->isChecked() ? QStringLiteral("ON") : QStringLiteral("OFF"));
    const bool onMaster = shared_.withStatus([](const StatusBlock& s) { return s.chimeEnabled(); });
    if (spChime_->isChecked() != onMaster)
        pending_[LiveChime].changed = true;
}

void TForm1::SPLegalTimeClick()
{
    spLegalTime_->setText(summerTimeCaption(spLegalTime_->isChecked()));
    const bool offOnMaster = shared_.withStatus([](const StatusBlock& s) { return s.summerTimeOff(); });
    if (spLegalTime_->isChecked() != offOnMaster)
        pending_[LiveSummerTime].changed = true;
}

void TForm1::SPTimeClick() { pending_[LiveClockAlign].changed = true; }

void TForm1::STAddrDblClick()
{
    if (!stAddr_->isEnabled())
        return;
    const QString current = stAddr_->text();
    for (;;) {
        const std::optional<QString> answer =
            dialogs_->getText(this, QStringLiteral("Edit box"), QStringLiteral("Addr 0...5"), current);
        // Cancel keeps the address, even one the master reports outside 0..5.
        if (!answer)
            return;
        if (!validAddressAnswer(*answer))
            continue;
        if (*answer != current) {
            stAddr_->setText(*answer);
            pending_[LiveMasterAddress].changed = true;
        }
        return;
    }
}

void TForm1::changeMusica(int cell, Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    CellState& state = zoneCells_[std::size_t(cell)];
    if (!toggleZoneCell(state))
        return;
    zoneCellLabels_[std::size_t(cell)]->setBackground(colours::forCell(state));
    const bool music = state == CellState::Music;
    shared_.withStatus([&](StatusBlock& s) { s.setZoneMusic(cell / 6, cell % 6, music); });
    pending_[LiveZoneMusic].changed = true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Leave && watched->property("helpContext").isValid())
        BbMusicMouseLeave();
    if (event->type() == QEvent::Resize && watched == centralWidget() && generatorMode_)
        panelMG_->setGeometry(centralWidget()->rect());
    return QMainWindow::eventFilter(watched, event);
}

} // namespace q7582
