// MainWindow: the live controls. None talks to the master: each marks a pending change
// that the next status refresh folds into the StatusBlock.

#include "ui/common/AskUntilValid.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include "ui/main/Meter.h"
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace q7582 {

void MainWindow::connectControls()
{
    for (int i = 0; i < LevelSliderCount; ++i)
        connect(levelSliders_[std::size_t(i)], &QSlider::valueChanged, this, [this, i] { levelChanged(i); });
    connect(musicSelectionPanel_, &MusicSelectionPanel::listOpened, this, &MainWindow::musicSourceListOpened);
    connect(musicSelectionPanel_, &MusicSelectionPanel::listClosed, this, &MainWindow::musicSourceListClosed);
    connect(musicSelectionPanel_, &MusicSelectionPanel::sourceChosen, this, &MainWindow::musicSourceChosen);
    connect(musicSelectionPanel_, &MusicSelectionPanel::musicOnRemoteClicked, this, &MainWindow::musicOnRemoteClicked);
    connect(masterPanel_, &MasterPanel::chimeClicked, this, &MainWindow::chimeClicked);
    connect(masterPanel_, &MasterPanel::summerTimeClicked, this, &MainWindow::summerTimeClicked);
    connect(masterPanel_, &MasterPanel::alignClicked, this, &MainWindow::alignMasterClock);
    connect(masterPanel_, &MasterPanel::addressDoubleClicked, this, &MainWindow::changeMasterAddress);
    connect(&zonePanel_->grid(), &CellGrid::cellPressed, this, &MainWindow::toggleZoneMusic);
    connect(&zonePanel_->grid(), &CellGrid::cellDoubleClicked, this,
            [this](int n) { renameGridCell(names_.zones, n); });
    connect(&outputPanel_->grid(), &CellGrid::cellDoubleClicked, this,
            [this](int n) { renameGridCell(names_.outputs, n); });
    connect(&inputPanel_->grid(), &CellGrid::cellDoubleClicked, this,
            [this](int n) { renameGridCell(names_.inputs, n); });
    connect(unitsPanel_, &UnitsPanel::nameDoubleClicked, this, &MainWindow::renameUnit);
    // The fifth source, the remote input, keeps its name.
    for (int m = 0; m < 4; ++m)
        connect(musicLabels_[std::size_t(m)], &ClickLabel::doubleClicked, this, [this, m] { renameMusicSource(m + 1); });
    connect(levelTagTimer_, &QTimer::timeout, this, &MainWindow::hideLevelTag);
    connect(parkFocusTimer_, &QTimer::timeout, this, &MainWindow::parkFocus);
    connectHelpButtons();
}

QDateTime MainWindow::now() const { return now_ ? now_() : QDateTime::currentDateTime(); }

void MainWindow::levelChanged(int slider)
{
    showValueTag(slider);
    parkFocusTimer_->start();
    PendingChange& entry = pending_[std::size_t(slider)];
    if (entry.ignoreNextChange)
        entry.ignoreNextChange = false; // the refresh moved it
    else
        entry.changed = true;
}

void MainWindow::showValueTag(int slider)
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
    levelTagTimer_->start();
}

void MainWindow::hideLevelTag()
{
    levelTagTimer_->stop();
    levelTag_->hide();
}

void MainWindow::parkFocus()
{
    parkFocusTimer_->stop();
    leftMeter_->setFocus();
}

void MainWindow::musicLabelsLeft() { leftMeter_->setFocus(); }

void MainWindow::musicSourceListOpened() { pending_[LiveMusicSource].ignoreNextChange = true; }

void MainWindow::musicSourceListClosed() { pending_[LiveMusicSource].ignoreNextChange = false; }

void MainWindow::musicSourceChosen(int index)
{
    if (index < 0)
        return;
    pending_[LiveMusicSource].changed = true;
    selectedMusicSource_ = index;
}

void MainWindow::musicOnRemoteClicked()
{
    // Music cannot come from the remote input while the remote input is the source.
    const bool on = selectedMusicSource_ != 4 && musicSelectionPanel_->musicOnRemote();
    musicSelectionPanel_->showMusicOnRemote(on);
    const bool onMaster = shared_.withStatus([](const StatusBlock& s) { return s.musicOnRemote(); });
    if (on != onMaster)
        pending_[LiveMusicOnRemote].changed = true;
}

void MainWindow::chimeClicked(bool on)
{
    const bool onMaster = shared_.withStatus([](const StatusBlock& s) { return s.chimeEnabled(); });
    if (on != onMaster)
        pending_[LiveChime].changed = true;
}

void MainWindow::summerTimeClicked(bool off)
{
    const bool offOnMaster = shared_.withStatus([](const StatusBlock& s) { return s.summerTimeOff(); });
    if (off != offOnMaster)
        pending_[LiveSummerTime].changed = true;
}

void MainWindow::alignMasterClock() { pending_[LiveClockAlign].changed = true; }

void MainWindow::changeMasterAddress()
{
    if (!masterPanel_->addressEnabled())
        return;
    const QString current = masterPanel_->addressText();
    // Cancel keeps the address, even one the master reports outside 0..5.
    const std::optional<QString> answer =
        askUntilValid(*dialogs_, this, QStringLiteral("Edit box"), QStringLiteral("Addr 0...5"), current,
                      [](const QString& text) {
                          return validAddressAnswer(text) ? std::optional(text) : std::nullopt;
                      });
    if (answer && *answer != current) {
        masterPanel_->setAddressText(*answer);
        pending_[LiveMasterAddress].changed = true;
    }
}

void MainWindow::toggleZoneMusic(int cell, Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    if (!zonePanel_->toggleMusic(cell))
        return;
    const bool music = zonePanel_->cells()[std::size_t(cell)] == CellState::Music;
    shared_.withStatus([&](StatusBlock& s) { s.setZoneMusic(cell / 6, cell % 6, music); });
    pending_[LiveZoneMusic].changed = true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Leave && watched->property("helpContext").isValid())
        musicLabelsLeft();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace q7582
