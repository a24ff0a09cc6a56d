// MainWindow: the status display refresh. The link calls it after every status page read;
// each group either folds the user's pending change into the StatusBlock or shows it.

#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/Icons.h"
#include "ui/main/IoGridPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MusicCombo.h"
#include "ui/main/ZoneGridPanel.h"

#include <QLabel>
#include "ui/main/Meter.h"
#include <QPushButton>
#include <QSlider>

namespace q7582 {
namespace {

QString onOff(bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); }

} // namespace

// While JustConnected is set the change stays local: the next read replaces it.
void MainWindow::requestWrite(std::atomic<bool>& request)
{
    if (!shared_.justConnected.load())
        request.store(true);
}

void MainWindow::statusDisplayRefresh()
{
    const StatusBlock before = shared_.withStatus([](const StatusBlock& s) { return s; });
    StatusBlock sb = before;
    RequestFlags& rq = shared_.requests;

    // 1. Zones.
    if (pending_[LiveZoneMusic].changed) {
        foldZoneCells(sb, zonePanel_->cells());
        requestWrite(rq.StatusWriteRequest);
        pending_[LiveZoneMusic].changed = false;
    } else {
        zonePanel_->showStatus(sb);
    }
    // 2, 3. Outputs and inputs.
    outputPanel_->showStatus(sb);
    inputPanel_->showStatus(sb);
    // 4. Levels.
    foldOrShowLevels(sb);
    // 5. Units.
    showUnits(sb);
    // 6, 7. Active source and message.
    showActive(sb);
    // 8. Music source; an open list is left alone.
    PendingChange& music = pending_[LiveMusicSource];
    if (music.changed) {
        sb.setMusicSelect(selectedMusicSource_);
        requestWrite(rq.StatusWriteRequest);
        music.changed = false;
    } else if (!music.ignoreNextChange) {
        selectedMusicSource_ = sb.musicSelect();
        musicSourceCombo_->setCurrentIndex(selectedMusicSource_ < musicSourceCombo_->count() ? selectedMusicSource_ : -1);
    }
    // 9. Master address.
    if (pending_[LiveMasterAddress].changed) {
        sb.setMasterAddress(masterAddress_->text().toInt());
        requestWrite(rq.StatusWriteRequest);
        pending_[LiveMasterAddress].changed = false;
    } else {
        masterAddress_->setText(QString::number(sb.masterAddress()));
    }
    // 10. Groups.
    for (int s = 0; s < StatusBlock::Slaves; ++s) {
        ClickLabel* g = groupTexts_[std::size_t(s)];
        const bool present = sb.slavePresent(s);
        g->setBackground(present ? colours::white() : colours::absent());
        g->setText(present ? QString::number(sb.slaveGroup(s)) : QString());
    }
    // 11. Chime.
    if (pending_[LiveChime].changed) {
        sb.setChimeEnabled(chimeButton_->isChecked());
        requestWrite(rq.StatusWriteRequest);
        pending_[LiveChime].changed = false;
    } else {
        chimeButton_->setChecked(sb.chimeEnabled());
        chimeButton_->setText(onOff(sb.chimeEnabled()));
    }
    // 12. Summer time (page 1).
    if (pending_[LiveSummerTime].changed) {
        sb.setSummerTimeOff(summerTimeButton_->isChecked());
        requestWrite(rq.ClockWriteRequest);
        pending_[LiveSummerTime].changed = false;
    } else {
        summerTimeButton_->setChecked(sb.summerTimeOff());
        summerTimeButton_->setText(summerTimeCaption(sb.summerTimeOff()));
    }
    // 13. VOX meters.
    leftMeter_->setValue(sb.voxInputMeter(0));
    rightMeter_->setValue(sb.voxInputMeter(1));
    // 14. Music on remote.
    if (pending_[LiveMusicOnRemote].changed) {
        sb.setMusicOnRemote(musicOnRemoteButton_->isChecked());
        requestWrite(rq.StatusWriteRequest);
        pending_[LiveMusicOnRemote].changed = false;
    } else {
        musicOnRemoteButton_->setChecked(sb.musicOnRemote());
        musicOnRemoteButton_->setText(onOff(sb.musicOnRemote()));
    }
    // 15. Clock (page 1).
    if (pending_[LiveClockAlign].changed) {
        sb.setMasterClock(clockFromDateTime(now()));
        requestWrite(rq.ClockWriteRequest);
        pending_[LiveClockAlign].changed = false;
    } else {
        showClock(sb);
    }
    // 16.
    shared_.justConnected.store(false);

    // Only the folded fields go back; every other byte stays as the link holds it.
    shared_.withStatus([&](StatusBlock& s) {
        for (int i = 0; i < StatusBlock::Size; ++i)
            if (sb.bytes[std::size_t(i)] != before.bytes[std::size_t(i)])
                s.bytes[std::size_t(i)] = sb.bytes[std::size_t(i)];
    });
}

void MainWindow::foldOrShowLevels(StatusBlock& sb)
{
    for (int i = 0; i < LevelSliderCount; ++i) {
        QSlider* slider = levelSliders_[std::size_t(i)];
        PendingChange& entry = pending_[std::size_t(i)];
        if (entry.changed) {
            setLevelByte(sb, i, levelForSliderPosition(i, slider->value()));
            requestWrite(shared_.requests.StatusWriteRequest);
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

void MainWindow::showUnits(const StatusBlock& sb)
{
    for (int u = 0; u < StatusBlock::Units; ++u) {
        const UnitRowView row = unitRowView(sb, u);
        const QColor colour = row.connected ? colours::lightGreen() : colours::absent();
        unitNames_[std::size_t(u)]->setBackground(colour);
        unitLines_[std::size_t(u)]->setBackground(colour);
        unitLines_[std::size_t(u)]->setText(row.lineText);
        QLabel* icon = unitIcons_[std::size_t(u)];
        if (row.connected) {
            icon->setPixmap(icons::unit(row.ioCard ? icons::UnitIoCard : icons::UnitDeskMicrophone));
            icon->setProperty("unitImage", row.ioCard ? icons::UnitIoCard : icons::UnitDeskMicrophone);
        }
        icon->setVisible(row.connected);
    }
}

void MainWindow::showActive(const StatusBlock& sb)
{
    const ActiveSourceView source = activeSourceView(sb);
    const QColor sourceColour = source.active ? colours::lightRed() : colours::lightGreen();
    activeUnit_->setText(source.source);
    activeUnit_->setBackground(sourceColour);
    activePriority_->setText(source.priority);
    activePriority_->setBackground(sourceColour);
    const ActiveMessageView message = activeMessageView(sb);
    activeMessage_->setText(message.text);
    activeMessage_->setBackground(message.active ? colours::lightRed() : colours::lightGreen());
}

void MainWindow::showClock(const StatusBlock& sb)
{
    const auto texts = clockTexts(sb.masterClock(), QLocale::system());
    clockValid_ = texts.has_value();
    masterDate_->setText(texts ? texts->date : QStringLiteral("-"));
    masterTime_->setText(texts ? texts->time : QStringLiteral("-"));
    updateMasterControls();
}

// The address panel works only with a master connected; the clock buttons also need a real date.
void MainWindow::updateMasterControls()
{
    const bool connected = shared_.connectionState.load() == Connected;
    for (QWidget* w : {static_cast<QWidget*>(masterAddress_), static_cast<QWidget*>(chimeButton_),
                       static_cast<QWidget*>(masterDate_), static_cast<QWidget*>(masterTime_)})
        w->setEnabled(connected);
    for (QWidget* w : masterControlLabels_)
        w->setEnabled(connected);
    alignClockButton_->setEnabled(connected && clockValid_);
    summerTimeButton_->setEnabled(connected && clockValid_);
}

} // namespace q7582
