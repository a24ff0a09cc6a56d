// MainWindow: the live controls. None talks to the master: each marks a pending change
// that the next status refresh folds into the StatusBlock.

#include "ui/common/AskUntilValid.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"
#include "ui/main/MainWindow.h"
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

void MainWindow::connectControls()
{
    for (int i = 0; i < LevelSliderCount; ++i)
        connect(levelSliders_[std::size_t(i)], &QSlider::valueChanged, this, [this, i] { levelChanged(i); });
    connect(musicSourceCombo_, &MusicCombo::dropDown, this, &MainWindow::musicSourceListOpened);
    connect(musicSourceCombo_, &MusicCombo::closeUp, this, &MainWindow::musicSourceListClosed);
    connect(musicSourceCombo_, &QComboBox::activated, this, &MainWindow::musicSourceChosen); // user choices only
    connect(musicOnRemoteButton_, &QPushButton::clicked, this, &MainWindow::musicOnRemoteClicked);
    connect(chimeButton_, &QPushButton::clicked, this, &MainWindow::chimeClicked);
    connect(summerTimeButton_, &QPushButton::clicked, this, &MainWindow::summerTimeClicked);
    connect(alignClockButton_, &QPushButton::clicked, this, &MainWindow::alignMasterClock);
    connect(masterAddress_, &ClickLabel::doubleClicked, this, &MainWindow::changeMasterAddress);
    for (int n = 0; n < GridCells; ++n) {
        ClickLabel* zone = zoneCellLabels_[std::size_t(n)];
        connect(zone, &ClickLabel::mousePressed, this, [this, n](Qt::MouseButton b) { toggleZoneMusic(n, b); });
        connect(zone, &ClickLabel::doubleClicked, this, [this, n] { renameGridCell(names_.zones, n); });
        connect(outCells_[std::size_t(n)], &ClickLabel::doubleClicked, this,
                [this, n] { renameGridCell(names_.outputs, n); });
        connect(inCells_[std::size_t(n)], &ClickLabel::doubleClicked, this,
                [this, n] { renameGridCell(names_.inputs, n); });
    }
    for (int u = 0; u < StatusBlock::Units; ++u)
        connect(unitNames_[std::size_t(u)], &ClickLabel::doubleClicked, this, [this, u] { renameUnit(u + 1); });
    // The fifth source, the remote input, keeps its name.
    for (int m = 0; m < 4; ++m)
        connect(musicLabels_[std::size_t(m)], &ClickLabel::doubleClicked, this, [this, m] { renameMusicSource(m + 1); });
    connect(levelTagTimer_, &QTimer::timeout, this, &MainWindow::hideLevelTag);
    connect(parkFocusTimer_, &QTimer::timeout, this, &MainWindow::parkFocus);
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
    if (selectedMusicSource_ == 4)
        musicOnRemoteButton_->setChecked(false);
    musicOnRemoteButton_->setText(musicOnRemoteButton_->isChecked() ? QStringLiteral("ON") : QStringLiteral("OFF"));
    const bool onMaster = shared_.withStatus([](const StatusBlock& s) { return s.musicOnRemote(); });
    if (musicOnRemoteButton_->isChecked() != onMaster)
        pending_[LiveMusicOnRemote].changed = true;
}

void MainWindow::chimeClicked()
{
    chimeButton_->setText(chimeButton_->isChecked() ? QStringLiteral("ON") : QStringLiteral("OFF"));
    const bool onMaster = shared_.withStatus([](const StatusBlock& s) { return s.chimeEnabled(); });
    if (chimeButton_->isChecked() != onMaster)
        pending_[LiveChime].changed = true;
}

void MainWindow::summerTimeClicked()
{
    summerTimeButton_->setText(summerTimeCaption(summerTimeButton_->isChecked()));
    const bool offOnMaster = shared_.withStatus([](const StatusBlock& s) { return s.summerTimeOff(); });
    if (summerTimeButton_->isChecked() != offOnMaster)
        pending_[LiveSummerTime].changed = true;
}

void MainWindow::alignMasterClock() { pending_[LiveClockAlign].changed = true; }

void MainWindow::changeMasterAddress()
{
    if (!masterAddress_->isEnabled())
        return;
    const QString current = masterAddress_->text();
    // Cancel keeps the address, even one the master reports outside 0..5.
    const std::optional<QString> answer =
        askUntilValid(*dialogs_, this, QStringLiteral("Edit box"), QStringLiteral("Addr 0...5"), current,
                      [](const QString& text) {
                          return validAddressAnswer(text) ? std::optional(text) : std::nullopt;
                      });
    if (answer && *answer != current) {
        masterAddress_->setText(*answer);
        pending_[LiveMasterAddress].changed = true;
    }
}

void MainWindow::toggleZoneMusic(int cell, Qt::MouseButton button)
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Leave && watched->property("helpContext").isValid())
        musicLabelsLeft();
    if (event->type() == QEvent::Resize && watched == centralWidget() && generatorMode_)
        generatorArea_->setGeometry(centralWidget()->rect());
    return QMainWindow::eventFilter(watched, event);
}

} // namespace q7582
