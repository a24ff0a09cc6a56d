// MainWindow: the live controls. None talks to the master: each marks a pending change
// that the next status refresh folds into the StatusBlock.

#include "ui/common/AskUntilValid.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

#include <QEvent>
#include <QTimer>
#include <QToolButton>

namespace q7582 {

void MainWindow::connectControls()
{
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
    connect(musicPanel_, &LevelsPanel::sourceNameDoubleClicked, this, &MainWindow::renameMusicSource);
    connect(parkFocusTimer_, &QTimer::timeout, this, &MainWindow::parkFocus);
    connectHelpButtons();
}

QDateTime MainWindow::now() const { return now_ ? now_() : QDateTime::currentDateTime(); }

void MainWindow::levelChanged(int slider)
{
    levelTag_->showFor(slider, levelSliders_[std::size_t(slider)]);
    parkFocusTimer_->start();
    PendingChange& entry = pending_[std::size_t(slider)];
    if (entry.ignoreNextChange)
        entry.ignoreNextChange = false; // the refresh moved it
    else
        entry.changed = true;
}

void MainWindow::parkFocus()
{
    parkFocusTimer_->stop();
    voxPanel_->takeFocus();
}

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
    const std::optional<QString> answer = askUntilValid(
        *dialogs_, this, QStringLiteral("Edit box"), QStringLiteral("Addr 0...5"), current,
        [](const QString& text) { return validAddressAnswer(text) ? std::optional(text) : std::nullopt; });
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
        voxPanel_->takeFocus();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace q7582
