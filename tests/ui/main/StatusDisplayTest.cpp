// The panels: the display rules without a window (dialog answers, texts, I/O cells), what
// the status display refresh shows and how it folds the changes of the live controls
// (buttons, sliders, the address and name dialogs); the message generator's panel: what
// each refresh shows and which clicks it sends.

#include "WindowFixture.h"
#include "ui/main/Colours.h"
#include "ui/main/Icons.h"
#include "ui/main/Meter.h"
#include "ui/main/StatusRules.h"
#include "ui/reports/ReportViewer.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTextEdit>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

namespace q7582::test {
namespace {

// The window's tests check the valid dates and the all-zero clock as shown, and the
// answers "6", "05", "a" and a 21-character name refused.
TEST(StatusRules, DialogAnswersIoCellsUnitsActiveSourceMessageAndClock)
{
    // An address is one digit from 0 to 5; a name at most 20 characters.
    EXPECT_TRUE(validAddressAnswer("0") && validAddressAnswer("5") && !validAddressAnswer("-"));
    EXPECT_TRUE(validNameAnswer(QString(20, QChar(0x00E8))) && validNameAnswer(QString())); // characters, not bytes

    StatusBlock sb;
    sb.bytes[StatusBlock::OutputStates + 0] = 0x80; // output 8: the second of card 2
    EXPECT_EQ(outputCellState(sb, 7), CellState::Absent);
    sb.bytes[StatusBlock::UnitInfo + 1] = 0x20 | 0x80; // I/O card on line A
    EXPECT_EQ(std::pair(outputCellState(sb, 7), inputCellState(sb, 7)), std::pair(CellState::Busy, CellState::Idle));
    sb.bytes[StatusBlock::UnitInfo + 0] = 0x20 | 0x40 | 0x05; // desk microphone, priority 5, line B
    sb.bytes[StatusBlock::UnitInfo + 2] = 0x80 | 0x40;        // not connected
    EXPECT_EQ(std::tuple(unitRowView(sb, 0).lineText, unitRowView(sb, 2).connected), std::tuple("5 / B", false));

    // Kinds 1 to 5 name a source and show its priority; the others show none.
    sb.bytes[StatusBlock::ActiveSourceNumber] = 7;
    for (auto [kind, source] : {std::pair{0, "None"}, {1, "Unit 7"}, {5, "Remote 7"}, {6, "None"}}) {
        sb.bytes[StatusBlock::ActiveSource] = Byte(kind | (6 << 5));
        EXPECT_EQ(activeSourceView(sb).source, source);
        EXPECT_EQ(activeSourceView(sb).priority, kind >= 1 && kind <= 5 ? "6" : "");
    }
    EXPECT_EQ(activeMessageView(sb).text, "-");
    sb.bytes[StatusBlock::ActiveMessage] = 0x80 | 12; // bit 7 is not part of the number
    EXPECT_EQ(activeMessageView(sb).text, "Message 12");

    EXPECT_FALSE(clockTexts({2026, 2, 30, 10, 0, 0, 1}, QLocale::c()));
    EXPECT_EQ(clockFromDateTime(QDateTime(QDate(2026, 3, 16), QTime(0, 0))).weekday, 1); // Monday
}

using StatusDisplay = WindowTest;

// A names file's lines.
QStringList lines(const std::string& content) { return QString::fromStdString(content).split("\r\n"); }

// The texts and colours come from StatusRules; this checks the binding.
TEST_F(StatusDisplay, ShowsZonesUnitsIoGroupsAndActiveSource)
{
    refreshWith([](StatusBlock& s) {
        s.bytes[StatusBlock::SlaveZones] = 0x80 | 0x06;   // slave 0 present, zones 2 and 3 music
        s.bytes[StatusBlock::SlaveGroup] = 0x80 | 9;      // group 9
        s.bytes[StatusBlock::BusyZones] = 0x04;           // zone 3 busy: busy shows before music
        s.bytes[StatusBlock::UnitInfo + 0] = 0x20 | 0x80; // I/O card at address 0
        s.bytes[StatusBlock::UnitInfo + 2] = 0x20 | 0x40; // desk microphone at address 2
        s.bytes[StatusBlock::InputStates] = 0x01;         // input 1 of card 1
        s.bytes[StatusBlock::ActiveSource] = 0x01 | 0x60; // unit, priority 3
        s.bytes[StatusBlock::ActiveSourceNumber] = 4;
        s.bytes[StatusBlock::VoxInputMeters + 1] = 13;
    });
    using namespace colours; // OutCell7: no card at address 1
    const std::pair<const char*, QColor> expected[] = {
        {"SlaveLabel0", white()}, {"ZoneCell1", lightGreen()}, {"ZoneCell2", lightBlue()},  {"ZoneCell3", lightRed()},
        {"InCell1", lightRed()},  {"OutCell7", absent()},      {"UnitName1", lightGreen()}, {"STPtyAtt", lightRed()}};
    for (auto [name, colour] : expected)
        EXPECT_EQ(bg(name), colour) << name;
    EXPECT_EQ(QStringList({text("GroupText0"), text("UnitLine0"), text("STUnitAtt")}),
              QStringList({"9", "A", "Unit 4"}));
    EXPECT_EQ(std::pair(find("UnitIcon0")->isVisibleTo(window.get()), find("UnitIcon1")->isVisibleTo(window.get())),
              std::pair(true, false));
    refresh(); // the same units again: the pictures stay
    for (auto [icon, image] : {std::pair{"UnitIcon0", icons::UnitIoCard}, {"UnitIcon2", icons::UnitDeskMicrophone}})
        EXPECT_EQ(find<QLabel>(icon)->pixmap().toImage(), icons::unit(image, 1.0).toImage()) << icon;
    EXPECT_EQ(find<Meter>("prBar2")->value(), 13);
}

TEST_F(StatusDisplay, RightClickOnAGreenZoneFoldsTheMusicBitAtTheNextRefresh)
{
    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::SlaveZones + 2] = 0x80; // slave 1 present
        s.bytes[StatusBlock::BusyZones + 1] = 0x01;  // zone 9 busy
    });
    connectMaster();

    // Left clicks and busy or absent cells change nothing; absent slaves stay untouched.
    clickCell("ZoneCell7", Qt::LeftButton);
    clickCell("ZoneCell9", Qt::RightButton);
    clickCell("ZoneCell1", Qt::RightButton);
    EXPECT_FALSE(refreshWrites());

    clickCell("ZoneCell8", Qt::RightButton); // zone 2 of slave 1
    EXPECT_EQ(bg("ZoneCell8"), colours::lightBlue());
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(std::tuple(status().slaveZones(0), status().slaveZones(1)), std::tuple(0, 0x80 | 0x40 | 0x02));

    // The master's next page shows the flag (bit 6 gone); a second right click clears it.
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::SlaveZones + 2] = 0x80 | 0x02; });
    EXPECT_FALSE(refreshWrites());
    clickCell("ZoneCell8", Qt::RightButton);
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(status().slaveZones(1), 0x80 | 0x40);
}

// "Where used" from the boxes' context menus: a row caption offers its six items, an
// output's or an input's cell its own; a zone cell's right click stays the music's.
TEST_F(StatusDisplay, TheBoxesContextMenusOfferWhereUsedAndAZoneCellKeepsItsRightClick)
{
    setStatus([](StatusBlock& s) { s.setMasterAddress(1); });
    connectMaster();
    refresh(); // the address is known from the second page on
    workspace->config().outEvent(3).affects().set(1, 20);
    const auto menuAt = [&](const QString& name, bool row) { // its first and last entries; the last chosen
        const GridItem item = gridItem(name);
        const QPoint at = (row ? item.grid->rowRect(item.row) : item.grid->cellRect(item.cell)).center();
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, item.grid->mapToGlobal(at));
        QApplication::sendEvent(item.grid, &e);
        const std::unique_ptr<QMenu> menu(window->findChild<QMenu*>("WhereUsedMenu"));
        if (!menu)
            return QStringList();
        menu->actions().back()->trigger();
        return QStringList({menu->actions().front()->text(), menu->actions().back()->text()});
    };
    EXPECT_EQ(menuAt("ZoneCell8", false), QStringList());
    EXPECT_EQ(menuAt("SlaveLabel1", true),
              QStringList({"Where used: Zone 7 of master 1", "Where used: Zone 12 of master 1"}));
    EXPECT_EQ(menuAt("OutCell20", false).value(1), "Where used: Output 20 of master 1");
    EXPECT_TRUE(window->reportViewer().richEdit()->toPlainText().contains("Out event 3: deactivated"));
    EXPECT_EQ(menuAt("InCardLabel0", true),
              QStringList({"Where used: Input 1 (Card 1)", "Where used: Input 6 (Card 1)"}));
}

TEST_F(StatusDisplay, TheFirstRefreshAfterConnectingFoldsWithoutRequesting)
{
    refreshWith([](StatusBlock& s) { s.bytes[StatusBlock::SlaveZones] = 0x80; });
    clickCell("ZoneCell1", Qt::RightButton);
    find<QSlider>("LevelSliders5")->setValue(11);

    shared.connectionState = ConnectionState::Connected;
    shared.justConnected = true;
    EXPECT_FALSE(refreshWrites() || takeClockWrite());
    EXPECT_EQ(std::tuple(int(status().slaveZones(0)), int(status().speechInputLevel(3)), bool(shared.justConnected)),
              std::tuple(0x80 | 0x40 | 0x01, 11, false));
    EXPECT_FALSE(refreshWrites()); // folded once only
}

// Out-of-range bytes pin the slider at its end without swallowing the user's next move.
TEST_F(StatusDisplay, SlidersFollowTheMasterWithoutWritingBackAndSendTheUsersMoves)
{
    connectMaster();
    auto* speech = find<QSlider>("LevelSliders0");
    auto* tape = find<QSlider>("LevelSliders7");
    auto* vox = find<QSlider>("LevelSliders12");
    refreshWith([](StatusBlock& s) {
        s.setSpeechLevel(15);
        s.setMusicSourceLevel(0, 8);
        s.setVoxThreshold(0, 200);
    });
    EXPECT_EQ(std::tuple(speech->value(), tape->value(), vox->value()), std::tuple(5, 8, 20));
    EXPECT_TRUE(find("LevelTag")->isVisibleTo(window.get()));
    // "togliFocus" takes the focus off the sliders after 3 s.
    QMetaObject::invokeMethod(find<QTimer>("togliFocus"), "timeout");
    EXPECT_EQ(window->focusWidget(), find("prBar1"));
    EXPECT_FALSE(refreshWrites());
    EXPECT_EQ(status().speechLevel(), 15);
    setStatus([](StatusBlock& s) { s.setSpeechLevel(25); });
    EXPECT_FALSE(refreshWrites());
    EXPECT_EQ(speech->value(), 0);

    // The user's moves: the top sends 20, the bottom 0.
    const auto level = [&](QSlider* slider) {
        const StatusBlock sb = status();
        return slider == speech ? sb.speechLevel() : slider == tape ? sb.musicSourceLevel(0) : sb.voxThreshold(0);
    };
    for (auto [slider, position, sent] : {std::tuple{vox, 19, 19}, {speech, 20, 0}, {speech, 0, 20}, {tape, 17, 17}}) {
        slider->setValue(position);
        EXPECT_TRUE(refreshWrites());
        EXPECT_EQ(level(slider), sent);
    }
}

// The wheel as the user turns it: passed up to the parents when ignored.
void wheel(QWidget* control)
{
    QWheelEvent e({5, 5}, control->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&e);
    QApplication::instance()->notify(control, &e);
}

// On a window that scrolls (a magnified screen), the wheel over a slider or the music
// source moves it only while it has the keyboard focus; otherwise the window scrolls.
TEST_F(StatusDisplay, TheWheelChangesALiveControlOnlyWhenItHasTheFocus)
{
    setStatus([](StatusBlock& s) { s.setMusicSourceLevel(0, 12), s.setMusicSelect(2); });
    connectMaster();
    window->setFixedSize(MainWindow::MasterWidth, MainWindow::MasterHeight / 2);
    window->show();
    QApplication::setActiveWindow(window.get());
    QScrollBar* scroll = find<QScrollArea>(QString())->verticalScrollBar();
    for (const char* name : {"LevelSliders7", "CbMusicAtt"}) {
        const int scrolled = scroll->value();
        wheel(find(name));
        EXPECT_TRUE(scroll->value() > scrolled && !refreshWrites()) << name;
        find(name)->setFocus();
        wheel(find(name));
        EXPECT_TRUE(refreshWrites()) << name;
        window->setFocus();
    }
}

// The generator panel fills the smaller client area; master mode gives the window back.
TEST_F(StatusDisplay, ModesTakeTurnsInTheClientAreaAndTheStatusBarShowsActivityAndDevice)
{
    const auto shown = [&](const char* name) { return find(name)->isVisibleTo(window.get()); };
    const auto masterMenusEnabled = [&] {
        return find("Message1")->isEnabled() + find("Config1")->isEnabled() + find("Report1")->isEnabled();
    };
    workspace->provenance().modified = true;
    window->enterGeneratorMode();
    window->show(); // the layouts place the client area and its pages
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(masterMenusEnabled(), 0);
    EXPECT_TRUE(find("Help1")->isEnabled() && find("HelpLanguage1")->isEnabled());
    EXPECT_EQ(find("PanelMG")->geometry(), window->centralWidget()->rect());
    EXPECT_EQ(std::tuple(shown("MasterArea"), caption(), window->windowTitle()),
              std::tuple(false, " - MODIFIED", "RKDV7582 Manager"));

    window->enterMasterMode();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(std::tuple(masterMenusEnabled(), shown("PanelMG"), shown("MasterArea"), window->size()),
              std::tuple(3, false, true, QSize(MainWindow::MasterWidth, MainWindow::MasterHeight)));
    // The last panels' bottom edge stays inside the client area.
    EXPECT_TRUE(find("MasterArea")->rect().contains(find("PanelAddr")->geometry()));
    EXPECT_EQ(caption(), "DEFAULT Configuration of Master 0 - MODIFIED");
    window->hide();

    // The status bar's activity, progress and device hint.
    shared.activityIndex = Activity::ConfigUL;
    shared.progressPosition = 9;
    window->showActivity();
    EXPECT_EQ(std::tuple(text("StatusBar1Panel2"), find<Meter>("ProgressBar1")->value()), std::tuple("Config UL", 9));
    QWidget* access = find("StatusBar1Panel4");
    for (auto [failure, shown, hint] : {std::tuple{OpenFailure::InUse, "In use", "Another program holds the device"},
                                        {OpenFailure::NoAccess, "No access", "packaging/60-qs7582.rules"},
                                        {OpenFailure::None, "", nullptr}}) { // None: text and hint gone
        shared.openFailure.store(failure);
        window->repaintStatusBar();
        EXPECT_EQ(text("StatusBar1Panel4"), shown);
        EXPECT_TRUE(hint ? access->toolTip().contains(hint) : access->toolTip().isEmpty())
            << access->toolTip().toStdString();
    }
}

TEST_F(StatusDisplay, AnOpenMusicListIsNotOverwrittenAndMusicOnRemoteStaysOffWithTheRemoteInput)
{
    connectMaster();
    auto* combo = find<QComboBox>("CbMusicAtt");
    window->pendingChanges()[LiveMusicSource].ignoreNextChange = true; // list open
    refreshWith([](StatusBlock& s) { s.setMusicSelect(2); });
    EXPECT_EQ(std::tuple(combo->currentIndex(), window->selectedMusicSource()), std::tuple(0, 0));
    window->pendingChanges()[LiveMusicSource].ignoreNextChange = false; // closed
    EXPECT_FALSE(refreshWrites());
    EXPECT_EQ(combo->currentIndex(), 2);

    // A choice of the user goes into bits 0-2 only.
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::MusicSelect] = 0x80 | 0x08 | 2; });
    emit combo->activated(3);
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(status().bytes[StatusBlock::MusicSelect], 0x80 | 0x08 | 3);

    refreshWith([](StatusBlock& s) { s.bytes[StatusBlock::MusicSelect] = 0x80 | 4; }); // remote input, MoR on
    auto* mor = find<QAbstractButton>("SPMoR");
    EXPECT_EQ(mor->text(), "ON");
    mor->click(); // up
    mor->click(); // and down again: refused
    EXPECT_EQ(std::tuple(mor->isChecked(), mor->text()), std::tuple(false, "OFF"));
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(status().bytes[StatusBlock::MusicSelect], 4); // turned off on the master

    // With another source it switches on.
    refreshWith([](StatusBlock& s) { s.setMusicSelect(1); });
    mor->click();
    EXPECT_EQ(mor->text(), "ON");
    EXPECT_TRUE(refreshWrites());
    EXPECT_TRUE(status().musicOnRemote());
}

// The address dialog accepts only 0 to 5. The clock shows the master's date, or a dash that
// disables its buttons. The address and the chime fold into the status page; summer time and
// the alignment into the clock page.
TEST_F(StatusDisplay, AddressClockAndChimeFoldIntoTheirPages)
{
    EXPECT_FALSE(find("STAddr")->isEnabled());
    setStatus([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 0x80 | 2; });
    connectMaster();
    dialogs.answers = {"6", "05", "a", "4"};
    doubleClick(find("STAddr"));
    EXPECT_EQ(dialogs.asked, QStringList(4, "2"));
    EXPECT_EQ(dialogs.askedPrompts.last(), "Addr 0...5\n'a' is not one digit from 0 to 5.");
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(std::tuple(status().addressChime(), text("STAddr")), std::tuple(0x80 | 4, "4"));

    // The same address again, or a cancel, sends nothing.
    dialogs.answers = {"4"};
    doubleClick(find("STAddr"));
    doubleClick(find("STAddr"));
    EXPECT_FALSE(refreshWrites());

    // A cancel keeps even an address the dialog would refuse, and asks once.
    refreshWith([](StatusBlock& s) { s.bytes[StatusBlock::AddressChime] = 7; });
    dialogs.asked.clear();
    doubleClick(find("STAddr"));
    EXPECT_EQ(dialogs.asked, QStringList{"7"});
    EXPECT_FALSE(refreshWrites());
    EXPECT_EQ(status().addressChime(), 7);

    // The chime and the clock.
    EXPECT_EQ(text("STMDate"), "-");
    EXPECT_EQ(std::pair(find("SPTime")->isEnabled(), find("SPLegalTime")->isEnabled()), std::pair(false, false));
    click("SPChime");
    EXPECT_EQ(text("SPChime"), "ON");
    EXPECT_TRUE(refreshWrites() && !takeClockWrite());
    EXPECT_TRUE(status().chimeEnabled());

    refreshWith([](StatusBlock& s) {
        s.setMasterClock({2026, 12, 6, 8, 30, 5, 7});
        s.bytes[StatusBlock::WeekdaySummer] |= 0x40; // a bit the PC never changes
    });
    EXPECT_TRUE(text("STMDate").endsWith("06/12/2026"));
    EXPECT_EQ(std::tuple(text("STMTime"), find("SPTime")->isEnabled(), find("SPLegalTime")->isEnabled()),
              std::tuple("08:30.05", true, true));
    click("SPLegalTime");
    EXPECT_EQ(text("SPLegalTime"), "Enable summer legal time");
    EXPECT_TRUE(!refreshWrites() && takeClockWrite());
    EXPECT_EQ(status().bytes[StatusBlock::WeekdaySummer], 0x80 | 0x40 | 7);

    // The PC's time, Sunday as 7; bit 3 is cleared when the weekday is written.
    refreshWith([](StatusBlock& s) { s.bytes[StatusBlock::WeekdaySummer] = 0x80 | 0x08 | 7; });
    click("SPTime");
    EXPECT_TRUE(!refreshWrites() && takeClockWrite());
    const StatusBlock sb = status();
    // second, minute, hour, summer-time bit and weekday, day, month, year
    const std::vector<Byte> expected{0x07, 0x08, 0x09, 0x80 | 7, 0x15, 0x03, 0x26};
    EXPECT_EQ(std::vector<Byte>(&sb.bytes[StatusBlock::MasterClock], &sb.bytes[StatusBlock::MasterClock + 7]),
              expected);

    // Losing the master disables them again.
    shared.connectionState = ConnectionState::Searching;
    window->repaintStatusBar();
    EXPECT_EQ(std::pair(find("SPTime")->isEnabled(), find("SPChime")->isEnabled()), std::pair(false, false));
}

TEST_F(StatusDisplay, NamesAreAskedAgainUntilShortEnoughAndSaved)
{
    dialogs.answers = {QString(21, QLatin1Char('x')), "Reception desk"};
    doubleClick(find("UnitName3"));
    EXPECT_EQ(dialogs.asked, QStringList({"Unit", "Unit"})); // back with the old name
    EXPECT_EQ(dialogs.askedPrompts,
              QStringList({"Max 20 Characters", "Max 20 Characters\nNames are at most 20 characters."}));
    EXPECT_EQ(text("UnitName3"), "Reception desk (3)");
    EXPECT_EQ(lines(read("unit.txt")).at(2), "Reception desk");

    // A zone rename rewrites the three grid files together.
    QFile::remove(tmp.filePath("uscite.txt"));
    dialogs.answers = {"Hall"};
    doubleClickCell("ZoneCell5");
    EXPECT_EQ(std::tuple(cellToolTip("ZoneCell5"), lines(read("zone.txt")).at(4), lines(read("uscite.txt")).size()),
              std::tuple("Hall", "Hall", 36 + 1)); // each line ends in CRLF
    dialogs.answers = {"Garden"};
    doubleClickCell("InCell36");
    EXPECT_EQ(std::tuple(cellToolTip("InCell36"), cellToolTip("OutCell36")), std::tuple("Garden", "Out 36"));
    dialogs.answers = {}; // cancel keeps the name
    doubleClickCell("ZoneCell5");
    EXPECT_EQ(cellToolTip("ZoneCell5"), "Hall");

    // A music source renamed refills the selector; the remote input keeps its name.
    dialogs.answers = {"Radio"};
    doubleClick(find("LabelMusic3"));
    auto* combo = find<QComboBox>("CbMusicAtt");
    EXPECT_EQ(std::tuple(text("LabelMusic3"), combo->count(), combo->itemText(2)), std::tuple("Radio", 5, "Radio"));
    EXPECT_EQ(lines(read("musica.txt")).at(2), "Radio");
    dialogs.asked.clear();
    doubleClick(find("LabelMusic5"));
    EXPECT_TRUE(dialogs.asked.empty());
}

using G = GeneratorStatus;

class GeneratorPanelTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        shared.connectionState = ConnectionState::Connected;
        window->enterGeneratorMode();
    }
    void setGenerator(const std::function<void(G&)>& f) { shared.withGenerator(f); }
    G generator()
    {
        return shared.withGenerator([](const G& g) { return g; });
    }
    // A card with its message folder holding these messages, playing or not, as the next refresh reads it.
    void showCard(std::initializer_list<int> messages, bool playing = false)
    {
        setGenerator([&](G& g) {
            g.bytes[G::MediaFlags] = Byte(G::MediaCardInserted | G::MediaFolderFound);
            g.bytes[G::MediaFlags] |= playing ? G::MediaPlaying : 0;
            std::fill_n(g.data() + G::MessageMap, 16, Byte(0));
            for (int n : messages)
                g.bytes[G::MessageMap + (n - 1) / 8] |= Byte(1u << ((n - 1) % 8));
        });
        refresh();
    }
    void refresh() { window->generatorPanelRefresh(); }
    void refreshWith(const std::function<void(G&)>& f)
    {
        setGenerator(f);
        refresh();
    }
    QComboBox* list() { return find<QComboBox>("CBMsgList"); }
    QStringList texts() { return {text("STMsgSD"), text("STMsgVela"), text("STMsgNum")}; }
    QStringList items()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->itemText(i);
        return out;
    }
    // Whether each play button can be clicked: headphone, channels.
    std::pair<bool, bool> playable() { return {find("SPstartHP")->isEnabled(), find("SPstartCh")->isEnabled()}; }
    // A refresh, and whether it asked for a generator write.
    bool refreshWrites()
    {
        refresh();
        return shared.requests.generatorWriteRequest.exchange(false);
    }
};

TEST_F(GeneratorPanelTest, MessageListFollowsTheCardAndKeepsTheChoiceWhileTheMapIsUnchanged)
{
    showCard({128, 1, 10});
    EXPECT_EQ(items(), QStringList({"001.WAV", "010.WAV", "128.WAV"}));
    EXPECT_EQ(texts(), QStringList({"SD card inserted", "MSGVELA dir found", "3 message in SD card"}));

    // Not rebuilt, so the user's choice stays, until the map changes.
    list()->setCurrentIndex(2);
    refresh();
    EXPECT_EQ(list()->currentIndex(), 2);
    showCard({1, 10, 128, 4});
    EXPECT_EQ(items(), QStringList({"001.WAV", "004.WAV", "010.WAV", "128.WAV"}));
    EXPECT_EQ(list()->currentIndex(), 0);

    // Removing the card empties the list and disables play.
    refreshWith([](G& g) { g.bytes[G::MediaFlags] = 0; });
    EXPECT_EQ(std::tuple(list()->count(), playable(), bg("STMsgSD")),
              std::tuple(0, std::pair(false, false), colours::lightRed()));
    EXPECT_EQ(texts(), QStringList({"SD card NOT inserted", "MSGVELA dir NOT found", "No messages in SD card"}));
    showCard({1, 10, 128, 4}); // the same card again is listed again
    EXPECT_EQ(list()->count(), 4);
}

TEST_F(GeneratorPanelTest, TableIdentifierEqualToTheFilesIsUpToDate)
{
    workspace->legalFile().legalFileId = 0x080A0E00;
    refreshWith([](G& g) { std::copy_n("\x08\x0A\x0D", 3, g.data() + G::LegalId); }); // 8.10.13
    EXPECT_EQ(text("STMsgLegalRel"), "Summer legal time ID = 8.10.13");
    EXPECT_TRUE(text("LabelLegalW").endsWith("ID = 8.10.14"));
    click("SPLegalUpdate");
    refresh();
    EXPECT_TRUE(shared.requests.legalFileWriteRequest.exchange(false));

    refreshWith([](G& g) { g.bytes[G::LegalId + 2] = 14; });
    EXPECT_EQ(text("LabelLegalW"), "The 'summer legal time' file is updated to the last version available.");
    EXPECT_EQ(
        std::tuple(bg("LabelLegalW"), find("SPLegalUpdate")->isEnabled(), bool(shared.requests.legalFileWriteRequest)),
        std::tuple(colours::lightGreen(), false, false));
}

// Entering while the device plays offers "STOP Channels"; after that, play and stop fold
// into the block only with a message selected.
TEST_F(GeneratorPanelTest, EnteringWhileTheDevicePlaysOffersStopAndPlayNeedsAMessageSelected)
{
    ASSERT_TRUE(window->generatorModeEntered());
    showCard({3}, true);
    EXPECT_FALSE(window->generatorModeEntered());
    for (int i = 0; i < 2; ++i) { // and the offer stays while it plays
        EXPECT_EQ(std::tuple(playable(), text("SPstartCh")), std::tuple(std::pair(false, true), "STOP Channels ||"));
        refresh();
    }

    auto* headphone = find<QAbstractButton>("SPstartHP");
    showCard({1, 10});
    list()->setCurrentIndex(-1);
    headphone->click(); // nothing selected: nothing happens
    EXPECT_EQ(std::tuple(headphone->isChecked(), headphone->text()), std::tuple(false, "PLAY HeadPhone >"));
    EXPECT_FALSE(refreshWrites());
    EXPECT_FALSE(playable().first);

    list()->setCurrentIndex(1);
    refresh();
    headphone->click();
    EXPECT_EQ(headphone->text(), "STOP HeadPhone ||");
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(std::tuple(generator().genCommand(), generator().genPlayMessage()), std::tuple(G::CmdPlayHeadphone, 10));
    EXPECT_FALSE(playable().second);

    // The next read: playing, the command consumed; a second click stops.
    setGenerator([](G& g) { g.setGenCommand(0); });
    showCard({1, 10}, true);
    headphone->click();
    EXPECT_TRUE(refreshWrites());
    EXPECT_EQ(generator().genCommand(), G::CmdStop);
    showCard({1, 10});
    EXPECT_EQ(std::tuple(playable(), text("SPstartCh")), std::tuple(std::pair(true, true), "PLAY Channels >"));
}

TEST_F(GeneratorPanelTest, ClockAndSummerTimeClicksAreSentAtTheNextRefresh)
{
    refreshWith([](G& g) { g.bytes[G::ClockExtra] = 0x5A; });
    EXPECT_EQ(text("STMsgDate"), "-"); // an all-zero clock is no date
    click("SPAlign");
    click("SPMsgLegal");
    EXPECT_EQ(text("SPMsgLegal"), "Enable summer legal time");
    EXPECT_TRUE(refreshWrites());
    const G g = generator();
    EXPECT_EQ(std::tuple(g.genCommand(), g.summerTimeOff(), g.bytes[G::ClockSetExtra]),
              std::tuple(G::CmdSetClock | G::CmdSummerTime, true, 0x5A));
    EXPECT_EQ(Bcd::decodeClock(g.data() + G::ClockSet), clockFromDateTime(clock));
    refreshWith([](G& g) { std::copy_n(g.data() + G::ClockSet, 7, g.data() + G::Clock); }); // the clock as set
    EXPECT_EQ(text("STMsgDate") + " " + text("STMsgTime"), "Sun, 15/03/2026 09:08.07");
}

} // namespace
} // namespace q7582::test
