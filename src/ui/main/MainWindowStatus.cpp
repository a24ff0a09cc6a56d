// MainWindow: the status display refresh. The link calls it after every status page read;
// each group either folds the user's pending change into the StatusBlock or shows it.

#include "ui/main/ActiveSourcePanel.h"
#include "ui/main/GroupsPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

#include <QSlider>

namespace q7582 {

// While JustConnected is set the change stays local: the next read replaces it.
void MainWindow::requestWrite(std::atomic<bool>& request)
{
    if (!shared_.justConnected.load())
        request.store(true);
}

bool MainWindow::foldPending(LiveParam entry, std::atomic<bool>& request, const std::function<void()>& fold)
{
    PendingChange& pending = pending_[entry];
    if (!pending.changed)
        return false;
    fold();
    requestWrite(request);
    pending.changed = false;
    return true;
}

void MainWindow::statusDisplayRefresh()
{
    const StatusBlock before = shared_.withStatus([](const StatusBlock& s) { return s; });
    StatusBlock sb = before;

    // Zones, outputs and inputs.
    if (!foldPending(LiveZoneMusic, shared_.requests.statusWriteRequest,
                     [&] { foldZoneCells(sb, zonePanel_->cells()); }))
        zonePanel_->showStatus(sb);
    outputPanel_->showStatus(sb);
    inputPanel_->showStatus(sb);
    foldOrShowLevels(sb);
    unitsPanel_->showStatus(sb);
    activeSourcePanel_->showStatus(sb);
    foldOrShowMusicSelection(sb);
    groupsPanel_->showStatus(sb);
    foldOrShowMasterPanel(sb);
    voxPanel_->showMeters(sb);
    shared_.justConnected.store(false);

    // Only the folded fields go back; every other byte stays as the link holds it.
    shared_.withStatus([&](StatusBlock& s) {
        for (int i = 0; i < StatusBlock::Size; ++i)
            if (sb.bytes[std::size_t(i)] != before.bytes[std::size_t(i)])
                s.bytes[std::size_t(i)] = sb.bytes[std::size_t(i)];
    });
}

// The music source (an open list is left alone) and music on remote.
void MainWindow::foldOrShowMusicSelection(StatusBlock& sb)
{
    RequestFlags& rq = shared_.requests;
    PendingChange& music = pending_[LiveMusicSource];
    if (!foldPending(LiveMusicSource, rq.statusWriteRequest, [&] { sb.setMusicSelect(selectedMusicSource_); })
        && !music.ignoreNextChange) {
        selectedMusicSource_ = sb.musicSelect();
        musicSelectionPanel_->showSource(selectedMusicSource_);
    }
    if (!foldPending(LiveMusicOnRemote, rq.statusWriteRequest,
                     [&] { sb.setMusicOnRemote(musicSelectionPanel_->musicOnRemote()); }))
        musicSelectionPanel_->showMusicOnRemote(sb.musicOnRemote());
}

// Address, chime, summer time and clock (the last two on the clock page).
void MainWindow::foldOrShowMasterPanel(StatusBlock& sb)
{
    RequestFlags& rq = shared_.requests;
    MasterPanel& panel = *masterPanel_;
    if (!foldPending(LiveMasterAddress, rq.statusWriteRequest,
                     [&] { sb.setMasterAddress(panel.addressText().toInt()); }))
        panel.showAddress(sb.masterAddress());
    if (!foldPending(LiveChime, rq.statusWriteRequest, [&] { sb.setChimeEnabled(panel.chimeOn()); }))
        panel.showChime(sb.chimeEnabled());
    if (!foldPending(LiveSummerTime, rq.clockWriteRequest, [&] { sb.setSummerTimeOff(panel.summerTimeOff()); }))
        panel.showSummerTimeOff(sb.summerTimeOff());
    if (!foldPending(LiveClockAlign, rq.clockWriteRequest, [&] { sb.setMasterClock(clockFromDateTime(now())); })) {
        updateMasterControls();
        panel.showClock(sb.masterClock());
    }
}

void MainWindow::foldOrShowLevels(StatusBlock& sb)
{
    for (int i = 0; i < LevelSliderCount; ++i) {
        QSlider* slider = levelSliders_[std::size_t(i)];
        PendingChange& entry = pending_[std::size_t(i)];
        if (entry.changed) {
            setLevelByte(sb, i, levelForSliderPosition(i, slider->value()));
            requestWrite(shared_.requests.statusWriteRequest);
            entry.changed = false;
            continue;
        }
        // Out-of-range bytes pin at the slider's ends; only a real move is made.
        const int position = std::clamp(sliderPositionForLevel(i, levelByte(sb, i)), 0, int(StatusBlock::LevelMax));
        if (position != slider->value()) {
            entry.ignoreNextChange = true;
            slider->setValue(position);
        }
    }
}

// The master panel works only with a master connected.
void MainWindow::updateMasterControls() { masterPanel_->setConnected(shared_.connectionState.load() == Connected); }

} // namespace q7582
