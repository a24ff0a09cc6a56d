// The status display refresh: what it shows, and how it folds pending changes.

#include "WindowFixture.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Colours.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace q7582::test {
namespace {

using StatusDisplay = WindowTest;

QColor bg(QWidget* w) { return static_cast<ClickLabel*>(w)->background(); }

TEST_F(StatusDisplay, StartsWithEverythingAbsentAndTheMasterControlsDisabled)
{
    EXPECT_EQ(window->width(), TForm1::MasterWidth);
    EXPECT_EQ(window->windowTitle(), "Q7582 Manager");
    EXPECT_EQ(text("StatusBar1Panel2"), "None");
    EXPECT_EQ(text("StatusBar1Panel3"), "DEFAULT Configuration of Master 0");
    EXPECT_EQ(text("STMDate"), "-");
    EXPECT_EQ(text("STMTime"), "-");
    for (const char* name : {"ZoneCell1", "ZoneCell36", "SlaveLabel0", "OutCell20", "InCardLabel5", "UnitName16",
                             "UnitLine0", "GroupText3"})
        EXPECT_EQ(bg(find(QString::fromLatin1(name))), colours::absent()) << name;
    EXPECT_EQ(text("OutCardLabel0"), "Card 1");
    EXPECT_EQ(text("SlaveLabel5"), "Slave 5");
    for (const char* name : {"SPTime", "SPLegalTime", "STAddr", "SPChime", "STMDate", "STMTime", "LabelAddr",
                             "LabelChime", "LabelMDate", "LabelMTime"})
        EXPECT_FALSE(find(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_EQ(text("STUnitAtt"), "None");
    EXPECT_EQ(text("StatusBar1Panel4"), "");
}

// The texts and colours come from StatusRules; this checks the binding.
TEST_F(StatusDisplay, ShowsZonesUnitsIoGroupsAndActiveSource)
{
    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::SlaveZones] = 0x80 | 0x02;   // slave 0 present, zone 2 music
        s.bytes[StatusBlock::SlaveGroup] = 0x80 | 9;      // group 9
        s.bytes[StatusBlock::BusyZones] = 0x04;           // zone 3 busy
        s.bytes[StatusBlock::UnitInfo + 0] = 0x20 | 0x80; // I/O card at address 0
        s.bytes[StatusBlock::InputStates] = 0x01;         // input 1 of card 1
        s.bytes[StatusBlock::ActiveSource] = 0x01 | 0x60; // unit, priority 3
        s.bytes[StatusBlock::ActiveSourceNumber] = 4;
        s.bytes[StatusBlock::VoxInputMeters + 1] = 13;
    });
    refresh();
    EXPECT_EQ(bg(find("SlaveLabel0")), colours::white());
    EXPECT_EQ(bg(find("ZoneCell1")), colours::lightGreen());
    EXPECT_EQ(bg(find("ZoneCell2")), colours::lightBlue());
    EXPECT_EQ(bg(find("ZoneCell3")), colours::lightRed());
    EXPECT_EQ(text("GroupText0"), "9");
    EXPECT_EQ(bg(find("InCell1")), colours::lightRed());
    EXPECT_EQ(bg(find("OutCell7")), colours::absent());
    EXPECT_EQ(text("UnitLine0"), "A");
    EXPECT_EQ(bg(find("UnitName1")), colours::lightGreen());
    EXPECT_TRUE(find("UnitIcon0")->isVisibleTo(window.get()));
    EXPECT_FALSE(find("UnitIcon1")->isVisibleTo(window.get()));
    EXPECT_EQ(text("STUnitAtt"), "Unit 4");
    EXPECT_EQ(bg(find("STPtyAtt")), colours::lightRed());
    EXPECT_EQ(find<QProgressBar>("prBar2")->value(), 13);
}

TEST_F(StatusDisplay, RightClickOnAGreenZoneFoldsTheMusicBitAtTheNextRefresh)
{
    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::SlaveZones + 2] = 0x80; // slave 1 present
        s.bytes[StatusBlock::BusyZones + 1] = 0x01;  // zone 9 busy
    });
    connectMaster();

    // Left clicks and busy or absent cells change nothing.
    click(find("ZoneCell7"), Qt::LeftButton);
    click(find("ZoneCell9"), Qt::RightButton);
    click(find("ZoneCell1"), Qt::RightButton);
    EXPECT_FALSE(window->pendingChanges()[LiveZoneMusic].changed);
    refresh();
    EXPECT_FALSE(takeStatusWrite());
    EXPECT_EQ(status().slaveZones(1), 0x80);

    click(find("ZoneCell8"), Qt::RightButton); // zone 2 of slave 1
    EXPECT_EQ(bg(find("ZoneCell8")), colours::lightBlue());
    refresh();
    EXPECT_TRUE(takeStatusWrite());
    EXPECT_EQ(status().slaveZones(1), 0x80 | 0x40 | 0x02);
    EXPECT_FALSE(window->pendingChanges()[LiveZoneMusic].changed);

    // The master's next page shows the flag (bit 6 gone); a second right click clears it.
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::SlaveZones + 2] = 0x80 | 0x02; });
    refresh();
    EXPECT_FALSE(takeStatusWrite());
    click(find("ZoneCell8"), Qt::RightButton);
    refresh();
    EXPECT_TRUE(takeStatusWrite());
    EXPECT_EQ(status().slaveZones(1), 0x80 | 0x40);
}

TEST_F(StatusDisplay, TheFirstRefreshAfterConnectingFoldsWithoutRequesting)
{
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::SlaveZones] = 0x80; });
    refresh();
    click(find("ZoneCell1"), Qt::RightButton);
    find<QSlider>("LevelSliders5")->setValue(11);

    shared.connectionState = Connected;
    shared.justConnected = true;
    refresh();
    EXPECT_FALSE(takeStatusWrite());
    EXPECT_FALSE(takeClockWrite());
    EXPECT_EQ(status().slaveZones(0), 0x80 | 0x40 | 0x01);
    EXPECT_EQ(status().speechInputLevel(3), 11);
    EXPECT_FALSE(shared.justConnected);
    EXPECT_FALSE(window->pendingChanges()[LiveZoneMusic].changed);
    EXPECT_FALSE(window->pendingChanges()[5].changed);
}

TEST_F(StatusDisplay, SlidersFollowTheMasterWithoutWritingBack)
{
    connectMaster();
    auto* speech = find<QSlider>("LevelSliders0");
    auto* tape = find<QSlider>("LevelSliders7");
    EXPECT_EQ(speech->value(), 20); // level 0 sits at the bottom
    setStatus([](StatusBlock& s) {
        s.setSpeechLevel(15);
        s.setMusicSourceLevel(0, 8);
    });
    refresh();
    EXPECT_EQ(speech->value(), 5);
    EXPECT_EQ(tape->value(), 8);
    EXPECT_TRUE(find("LevelTag")->isVisibleTo(window.get()));
    EXPECT_EQ(text("LevelTag"), "8");
    EXPECT_TRUE(find<QTimer>("TBox")->isActive()); // hides the tag after 2 s
    EXPECT_TRUE(find<QTimer>("togliFocus")->isActive());
    refresh();
    EXPECT_FALSE(takeStatusWrite());
    EXPECT_EQ(status().speechLevel(), 15);

    // The user's moves: the top sends 20, the bottom 0.
    speech->setValue(0);
    refresh();
    EXPECT_TRUE(takeStatusWrite());
    EXPECT_EQ(status().speechLevel(), 20);
    speech->setValue(20);
    refresh();
    EXPECT_TRUE(takeStatusWrite());
    EXPECT_EQ(status().speechLevel(), 0);
    tape->setValue(17);
    refresh();
    EXPECT_TRUE(takeStatusWrite());
    EXPECT_EQ(status().musicSourceLevel(0), 17);
}

TEST_F(StatusDisplay, ALevelOutOfRangeOnTheMasterDoesNotSwallowTheUsersNextMove)
{
    EXPECT_FALSE(find("LevelTag")->isVisibleTo(window.get())); // nothing moved at start-up
    connectMaster();
    auto* speech = find<QSlider>("LevelSliders0");
    auto* vox = find<QSlider>("LevelSliders12");
    setStatus([](StatusBlock& s) {
        s.setSpeechLevel(25);
        s.setVoxThreshold(0, 200);
    });
    refresh();
    refresh();
    EXPECT_EQ(speech->value(), 0);
    EXPECT_EQ(vox->value(), 20);
    EXPECT_FALSE(takeStatusWrite());
    vox->setValue(19);
    refresh();
    EXPECT_TRUE(takeStatusWrite());
    EXPECT_EQ(status().voxThreshold(0), 19);
}

TEST_F(StatusDisplay, AnOpenMusicListIsNotOverwritten)
{
    connectMaster();
    auto* combo = find<QComboBox>("CbMusicAtt");
    EXPECT_EQ(combo->currentIndex(), 0);
    window->pendingChanges()[LiveMusicSource].ignoreNextChange = true; // list open
    setStatus([](StatusBlock& s) { s.setMusicSelect(2); });
    refresh();
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(window->selectedMusicSource(), 0);
    window->pendingChanges()[LiveMusicSource].ignoreNextChange = false; // closed
    refresh();
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_FALSE(takeStatusWrite());

    // A choice of the user goes into bits 0-2 only.
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::MusicSelect] = 0x80 | 0x08 | 2; });
    emit combo->activated(3);
    refresh();
    EXPECT_TRUE(takeStatusWrite());
    EXPECT_EQ(status().bytes[StatusBlock::MusicSelect], 0x80 | 0x08 | 3);
}

TEST_F(StatusDisplay, ClockShowsTheMasterDateOrADashThatDisablesTheClockButtons)
{
    connectMaster();
    EXPECT_EQ(text("STMDate"), "-");
    EXPECT_FALSE(find("SPTime")->isEnabled());
    EXPECT_FALSE(find("SPLegalTime")->isEnabled());
    EXPECT_TRUE(find("STAddr")->isEnabled());
    setStatus([](StatusBlock& s) { s.setMasterClock({2026, 12, 6, 8, 30, 5, 7}); });
    refresh();
    EXPECT_EQ(text("STMTime"), "08:30.05");
    EXPECT_TRUE(text("STMDate").endsWith("06/12/2026"));
    EXPECT_TRUE(find("SPTime")->isEnabled());
    EXPECT_TRUE(find("SPLegalTime")->isEnabled());

    // Losing the master disables them again.
    shared.connectionState = Searching;
    window->repaintStatusBar();
    EXPECT_FALSE(find("SPTime")->isEnabled());
    EXPECT_FALSE(find("SPChime")->isEnabled());
}

TEST_F(StatusDisplay, ModesSwitchSizeCaptionMenusAndHelpContext)
{
    QMenu* config = window->addCommandMenu("&Config", "Config1", true);
    QMenu* other = window->addCommandMenu("&Tools", "Tools1", false);
    window->provenance().modified = true;
    window->enterGeneratorMode();
    EXPECT_FALSE(config->isEnabled());
    EXPECT_TRUE(other->isEnabled());
    EXPECT_EQ(window->windowTitle(), "RKDV7582 Manager");
    EXPECT_EQ(window->width(), TForm1::GeneratorClientWidth);
    EXPECT_TRUE(find("PanelMG")->isVisibleTo(window.get()));
    EXPECT_EQ(text("StatusBar1Panel3"), " - MODIFIED");
    EXPECT_EQ(window->helpContext(), 5000);
    EXPECT_TRUE(window->generatorModeEntered());
    window->generatorPanelRefresh();
    EXPECT_FALSE(window->generatorModeEntered());

    window->enterMasterMode();
    EXPECT_TRUE(config->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Q7582 Manager");
    EXPECT_EQ(window->width(), TForm1::MasterWidth);
    EXPECT_EQ(window->height(), TForm1::MasterHeight);
    EXPECT_FALSE(find("PanelMG")->isVisibleTo(window.get()));
    EXPECT_EQ(text("StatusBar1Panel3"), "DEFAULT Configuration of Master 0 - MODIFIED");
    EXPECT_EQ(window->helpContext(), 3000);
}

TEST_F(StatusDisplay, StatusBarShowsActivityProgressAndTheAccessHint)
{
    shared.activityIndex = ActivityConfigUL;
    shared.progressPosition = 9;
    window->showActivity();
    EXPECT_EQ(text("StatusBar1Panel2"), "Config UL");
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 9);

    shared.accessDenied = true;
    window->repaintStatusBar();
    EXPECT_EQ(text("StatusBar1Panel4"), "No access");
    const QString tip = find("StatusBar1Panel4")->toolTip();
    EXPECT_TRUE(tip.contains("packaging/60-qs7582.rules"));
    EXPECT_TRUE(tip.contains("Device permissions"));
    shared.accessDenied = false;
    window->showActivity();
    EXPECT_EQ(text("StatusBar1Panel4"), "");
}

TEST_F(StatusDisplay, ReportGuardShowsItsReasonAndAnUploadUpdatesTheCaption)
{
    EXPECT_TRUE(window->reportGuard(false));
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].first, "Status Report");
    connectMaster();
    EXPECT_FALSE(window->reportGuard(false));

    ConfigImage received;
    received.bytes[100] = 7;
    window->uploadCompleted(received, 0x83);
    EXPECT_EQ(window->configImage().bytes[100], 7);
    EXPECT_EQ(text("StatusBar1Panel3"), "Configuration from Master 3");
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 0x83; });
    EXPECT_FALSE(window->reportGuard(true));
}

} // namespace
} // namespace q7582::test
