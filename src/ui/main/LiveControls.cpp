#include "ui/main/LiveControls.h"

#include "ui/common/AskUntilValid.h"
#include "ui/main/ActiveSourcePanel.h"
#include "ui/main/GroupsPanel.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/MasterPanel.h"
#include "ui/main/MusicSelectionPanel.h"
#include "ui/main/StatusRules.h"
#include "ui/main/UnitsPanel.h"
#include "ui/main/ZoneGridPanel.h"

#include <QSlider>
#include <QTimer>

namespace q7582 {

LiveControls::LiveControls(LinkShared& shared, PendingChangeTable& pending, const MasterPagePanels& panels,
                           DialogProvider& dialogs, std::function<QDateTime()> now, QWidget* window)
    : QObject(window), shared_(shared), pending_(pending), panels_(panels), dialogs_(dialogs), now_(std::move(now)),
      window_(window), parkFocusTimer_(new QTimer(this))
{
    parkFocusTimer_->setObjectName(QStringLiteral("togliFocus"));
    parkFocusTimer_->setInterval(3000);
    parkFocusTimer_->setSingleShot(true);
    for (LevelSliderPanel* panel :
         {static_cast<LevelSliderPanel*>(panels_.speech), static_cast<LevelSliderPanel*>(panels_.music),
          static_cast<LevelSliderPanel*>(panels_.vox)}) {
        for (QSlider* s : panel->sliders())
            levelSliders_[std::size_t(s->property("liveParam").toInt())] = s;
        connect(panel, &LevelSliderPanel::levelMoved, this, &LiveControls::levelChanged);
    }
    connectControls();
}

void LiveControls::connectControls()
{
    MusicSelectionPanel* music = panels_.musicSelection;
    connect(music, &MusicSelectionPanel::listOpened, this,
            [this] { pending_[LiveMusicSource].ignoreNextChange = true; });
    connect(music, &MusicSelectionPanel::listClosed, this,
            [this] { pending_[LiveMusicSource].ignoreNextChange = false; });
    connect(music, &MusicSelectionPanel::sourceChosen, this, &LiveControls::musicSourceChosen);
    connect(music, &MusicSelectionPanel::musicOnRemoteClicked, this, &LiveControls::musicOnRemoteClicked);
    connect(panels_.master, &MasterPanel::chimeClicked, this,
            [this](bool on) { markIfChanged(LiveChime, on, &StatusBlock::chimeEnabled); });
    connect(panels_.master, &MasterPanel::summerTimeClicked, this,
            [this](bool off) { markIfChanged(LiveSummerTime, off, &StatusBlock::summerTimeOff); });
    connect(panels_.master, &MasterPanel::alignClicked, this, [this] { pending_[LiveClockAlign].changed = true; });
    connect(panels_.master, &MasterPanel::addressDoubleClicked, this, &LiveControls::changeMasterAddress);
    connect(&panels_.zones->grid(), &CellGrid::cellPressed, this, &LiveControls::toggleZoneMusic);
    connect(parkFocusTimer_, &QTimer::timeout, this, &LiveControls::parkFocus);
}

void LiveControls::levelChanged(LiveParam slider)
{
    panels_.levelTag->showFor(slider, levelSliders_[slider]);
    parkFocusTimer_->start();
    PendingChange& entry = pending_[slider];
    if (entry.ignoreNextChange)
        entry.ignoreNextChange = false; // the refresh moved it
    else
        entry.changed = true;
}

void LiveControls::parkFocus()
{
    parkFocusTimer_->stop();
    panels_.vox->focusPark()->setFocus();
}

void LiveControls::musicSourceChosen(int index)
{
    if (index < 0)
        return;
    pending_[LiveMusicSource].changed = true;
    selectedMusicSource_ = index;
}

void LiveControls::musicOnRemoteClicked()
{
    // Music cannot come from the remote input while the remote input is the source.
    const bool on = selectedMusicSource_ != 4 && panels_.musicSelection->musicOnRemote();
    panels_.musicSelection->showMusicOnRemote(on);
    markIfChanged(LiveMusicOnRemote, on, &StatusBlock::musicOnRemote);
}

void LiveControls::markIfChanged(LiveParam entry, bool value, bool (StatusBlock::*onMaster)() const)
{
    if (value != shared_.withStatus([&](const StatusBlock& s) { return (s.*onMaster)(); }))
        pending_[entry].changed = true;
}

void LiveControls::changeMasterAddress()
{
    MasterPanel& panel = *panels_.master;
    if (!panel.addressEnabled())
        return;
    const QString current = panel.addressText();
    // Cancel keeps the address, even one the master reports outside 0..5.
    const std::optional<QString> answer = askUntilValid(
        dialogs_, window_, tr("Edit box"), tr("Addr 0...5"), current,
        [](const QString& text) { return validAddressAnswer(text) ? std::optional(text) : std::nullopt; },
        [](const QString& text) { return tr("'%1' is not one digit from 0 to 5.").arg(text); });
    if (answer && *answer != current) {
        panel.setAddressText(*answer);
        pending_[LiveMasterAddress].changed = true;
    }
}

void LiveControls::toggleZoneMusic(int cell, Qt::MouseButton button)
{
    if (button != Qt::RightButton || !panels_.zones->toggleMusic(cell))
        return;
    const bool music = panels_.zones->cells()[std::size_t(cell)] == CellState::Music;
    shared_.withStatus([&](StatusBlock& s) { s.setZoneMusic(cell / 6, cell % 6, music); });
    pending_[LiveZoneMusic].changed = true;
}

// While JustConnected is set the change stays local: the next read replaces it.
void LiveControls::requestWrite(std::atomic<bool>& request)
{
    if (!shared_.justConnected.load())
        request.store(true);
}

bool LiveControls::foldPending(LiveParam entry, std::atomic<bool>& request, const std::function<void()>& fold)
{
    PendingChange& pending = pending_[entry];
    if (!pending.changed)
        return false;
    fold();
    requestWrite(request);
    pending.changed = false;
    return true;
}

void LiveControls::refreshStatus()
{
    const StatusBlock before = shared_.withStatus([](const StatusBlock& s) { return s; });
    StatusBlock sb = before;

    if (!foldPending(LiveZoneMusic, shared_.requests.statusWriteRequest,
                     [&] { foldZoneCells(sb, panels_.zones->cells()); }))
        panels_.zones->showStatus(sb);
    panels_.outputs->showStatus(sb);
    panels_.inputs->showStatus(sb);
    foldOrShowLevels(sb);
    panels_.units->showStatus(sb);
    panels_.activeSource->showStatus(sb);
    foldOrShowMusicSelection(sb);
    panels_.groups->showStatus(sb);
    foldOrShowMasterPanel(sb);
    panels_.vox->showMeters(sb);
    shared_.justConnected.store(false);

    // Only the folded fields go back; every other byte stays as the link holds it.
    shared_.withStatus([&](StatusBlock& s) {
        for (int i = 0; i < StatusBlock::Size; ++i)
            if (sb.bytes[std::size_t(i)] != before.bytes[std::size_t(i)])
                s.bytes[std::size_t(i)] = sb.bytes[std::size_t(i)];
    });
}

// The music source (an open list is left alone) and music on remote.
void LiveControls::foldOrShowMusicSelection(StatusBlock& sb)
{
    RequestFlags& rq = shared_.requests;
    MusicSelectionPanel& panel = *panels_.musicSelection;
    if (!foldPending(LiveMusicSource, rq.statusWriteRequest, [&] { sb.setMusicSelect(selectedMusicSource_); })
        && !pending_[LiveMusicSource].ignoreNextChange) {
        selectedMusicSource_ = sb.musicSelect();
        panel.showSource(selectedMusicSource_);
    }
    if (!foldPending(LiveMusicOnRemote, rq.statusWriteRequest, [&] { sb.setMusicOnRemote(panel.musicOnRemote()); }))
        panel.showMusicOnRemote(sb.musicOnRemote());
}

// Address, chime, summer time and clock (the last two on the clock page).
void LiveControls::foldOrShowMasterPanel(StatusBlock& sb)
{
    RequestFlags& rq = shared_.requests;
    MasterPanel& panel = *panels_.master;
    if (!foldPending(LiveMasterAddress, rq.statusWriteRequest,
                     [&] { sb.setMasterAddress(panel.addressText().toInt()); }))
        panel.showAddress(sb.masterAddress());
    if (!foldPending(LiveChime, rq.statusWriteRequest, [&] { sb.setChimeEnabled(panel.chimeOn()); }))
        panel.showChime(sb.chimeEnabled());
    if (!foldPending(LiveSummerTime, rq.clockWriteRequest, [&] { sb.setSummerTimeOff(panel.summerTimeOff()); }))
        panel.showSummerTimeOff(sb.summerTimeOff());
    if (!foldPending(LiveClockAlign, rq.clockWriteRequest, [&] { sb.setMasterClock(clockFromDateTime(now_())); })) {
        showConnection();
        panel.showClock(sb.masterClock());
    }
}

void LiveControls::foldOrShowLevels(StatusBlock& sb)
{
    for (int i = 0; i < LevelSliderCount; ++i) {
        const auto level = LiveParam(i);
        QSlider* slider = levelSliders_[level];
        PendingChange& entry = pending_[level];
        if (entry.changed) {
            setLevelByte(sb, level, levelForSliderPosition(level, slider->value()));
            requestWrite(shared_.requests.statusWriteRequest);
            entry.changed = false;
            continue;
        }
        // Out-of-range bytes pin at the slider's ends; only a real move is made.
        const int position =
            std::clamp(sliderPositionForLevel(level, levelByte(sb, level)), 0, int(StatusBlock::LevelMax));
        if (position != slider->value()) {
            entry.ignoreNextChange = true;
            slider->setValue(position);
        }
    }
}

void LiveControls::showConnection()
{
    panels_.master->setConnected(shared_.connectionState.load() == ConnectionState::Connected);
}

StatusWindowValues LiveControls::statusWindowValues() const
{
    StatusWindowValues v;
    const auto position = [this](LiveParam slider) { return levelSliders_[slider]->value(); };
    v.speechLevelPosition = position(LiveSpeechLevel);
    v.musicLevelPosition = position(LiveMusicLevel);
    for (int i = 0; i < StatusBlock::SpeechInputCount; ++i)
        v.speechInputPositions[std::size_t(i)] = position(speechInputLevel(i));
    for (int i = 0; i < StatusBlock::MusicSourceCount; ++i)
        v.musicSourcePositions[std::size_t(i)] = position(musicSourceLevel(i));
    v.voxThresholdPositions = {position(voxThreshold(0)), position(voxThreshold(1))};
    v.musicSourceSelected = panels_.musicSelection->sourceText();
    v.musicOnRemote = panels_.musicSelection->musicOnRemote();
    v.masterAddressText = panels_.master->addressText();
    v.chimeOn = panels_.master->chimeOn();
    return v;
}

} // namespace q7582
