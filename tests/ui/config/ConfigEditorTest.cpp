#include "../../reports/ReportFixtures.h"
#include "EditorFixture.h"
#include "ItalianWalk.h"
#include "link/LinkShared.h"
#include "model/ConfigFile.h"
#include "program/SecondaryWindows.h"
#include "ui/common/RecoveryFiles.h"
#include "ui/common/ReplaceQuestion.h"
#include "ui/config/DialogAnswers.h"
#include "ui/config/GridRules.h"
#include "ui/config/IoLogicRules.h"
#include "ui/config/Listings.h"
#include "ui/config/SelectorCombo.h"
#include "ui/config/TimerPage.h"
#include "ui/config/TimerRules.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramEnd.h"

#include <QAction>
#include <QDateEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <csignal>
#include <tuple>

namespace q7582 {
namespace {

using EditorLifecycle = EditorFixture;
using ZonePages = EditorFixture;

TEST_F(EditorLifecycle, WithoutYesNeitherRepairsNorEditsReachTheImage)
{
    image.key(0, 0).setMessageNumber(200);
    image.key(0, 0).setOutputEvent(99);
    image.vox(1).setVoxPriority(0);
    image.outEvent(1).data()[0x1E] = 0x55;
    const ConfigImage before = image;

    form->prepareShow();
    EXPECT_EQ(form->windowTitle(), "Edit configuration");
    EXPECT_EQ(std::tuple(cell("NumberBox")->text(), cell("OutputEventBox")->text()), std::tuple("None", "None"));
    for (int p : {PageVox, PageOutEvents, PageInOut, PageUnits})
        page(p);
    EXPECT_EQ(std::tuple(work().vox(1).voxPriority(), int(work().ioLineAttribute(5, 5)), modified()),
              std::tuple(1, 1, false));
    form->showModifiedState();
    EXPECT_EQ(child<QLabel>("StatusPanel0")->text(), "Original configuration");
    EXPECT_TRUE(form->confirmClose());
    EXPECT_TRUE(dialogs.saveBoxes.empty()); // silent repairs ask nothing

    press(cell("ZoneCell0_0"));
    press(cell("ZoneCell0_0")); // back as it was: still a modification
    dialogs.saveAnswers = {SaveAnswer::Cancel, SaveAnswer::No};
    form->reject();
    EXPECT_EQ(dialogs.saveBoxes,
              (std::vector<test::ScriptedDialogs::Box>{
                  {"Configuration is modified, save changes ?", "Yes = save & quit\nNo = quit\nCancel = continue"}}));
    EXPECT_TRUE(modified());
    EXPECT_TRUE(form->confirmClose());
    EXPECT_EQ(image, before);
    EXPECT_EQ(std::tuple(workspace.provenance().modified, commits), std::tuple(false, 0));

    press(cell("ZoneCell1_1"));
    buildDefaultConfiguration(image, 0); // a new image arrived while closed
    image.key(0, 0).setMessageNumber(9);
    form->prepareShow();
    EXPECT_FALSE(modified());
    EXPECT_EQ(work(), image);
}

TEST_F(EditorLifecycle, YesAfterRepairAndEditStoresBothAndEveryUninterpretedByte)
{
    image.key(0, 0).setMessageNumber(200);
    for (int i = 0; i < ConfigImage::Uninterpreted1Size; ++i)
        image.bytes[ConfigImage::Uninterpreted1At + i] = Byte(i * 7 + 1);
    for (int i = 0; i < ConfigImage::Uninterpreted2Size; ++i)
        image.bytes[ConfigImage::Uninterpreted2At + i] = Byte(0xFF - i);
    for (int o = 1; o <= ConfigImage::OutEvents; ++o)
        image.outEvent(o).data()[0x3E] = image.outEvent(o).data()[0x3F] = Byte(o);
    ConfigImage expected = image;

    form->prepareShow();
    press(cell("ZoneCell2_4"));
    for (int p : {PageVox, PageMessages, PageOutEvents, PageInOut, PageUnits})
        page(p);
    press(child("OutCell3")); // an edit on the logic page writes the shown priorities too
    form->showModifiedState();
    EXPECT_EQ(child<QLabel>("StatusPanel0")->text(), "Configuration modified");

    dialogs.saveAnswers = {SaveAnswer::Yes};
    EXPECT_TRUE(form->confirmClose());
    expected.key(0, 0).setMessageNumber(0);
    expected.key(0, 0).zones().set(2, 5);
    for (int k = 0; k < 36; ++k)
        expected.ioLineAttribute(k / 6, k % 6) = 1;
    expected.ioLineAttribute(0, 3) |= 0x80;
    EXPECT_EQ(image, expected);
    EXPECT_EQ(std::tuple(workspace.provenance().modified, commits), std::tuple(true, 1));
}

// A signal while the editor is open with a change: the program ends at once, asking
// nothing, and the change waits in a recovery file that the next start names.
TEST_F(EditorLifecycle, ASignalEndsTheProgramAndKeepsTheEditorsChangesForTheNextStart)
{
    QTemporaryDir folder;
    Workspace site(folder.path().toStdString());
    LinkShared shared;
    MainWindow::Options options;
    options.dialogs = &dialogs;
    auto window = std::make_unique<MainWindow>(shared, site, options);
    routeProgramEnd(*qApp, *window);
    ConfigEditor* editor = createSecondaryWindows(*window, site).editor;
    QTimer::singleShot(0, window.get(), [&] { test::child<QAction>(*window, "Edit2")->trigger(); });
    QTimer::singleShot(0, window.get(), [&] { // inside the editor's own loop
        press(test::child<CellLabel>(*editor, "ZoneCell0_0"));
        std::raise(SIGTERM);
    });
    QTimer::singleShot(3000, window.get(), [] { QCoreApplication::exit(1); }); // fails rather than hangs
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(dialogs.saveBoxes.empty());
    const QStringList kept = recoveryFiles(site.settings().dir());
    ConfigImage recovered;
    ASSERT_TRUE(kept.size() == 1 && readWholeImage(folder.filePath(kept[0]).toStdString(), recovered).ok);
    EXPECT_EQ(recovered, editor->session().workingCopy);

    window = std::make_unique<MainWindow>(shared, site, options); // the next start
    const auto* panel = test::child<QLabel>(*window, "StatusBar1Panel3");
    EXPECT_EQ(panel->text(), "Editor changes kept in " + kept[0]);
    test::child<QAction>(*window, "Master1")->trigger(); // until the configuration is replaced
    EXPECT_EQ(panel->text(), "DEFAULT Configuration of Master 1");
}

TEST_F(EditorLifecycle, SelectionsSurviveReShowingWhileThePageResets)
{
    form->prepareShow();
    const std::tuple<int, const char*, int> choices[] = {{PageUnits, "CBUnit", 7},     {PageUnits, "CBKey", 20},
                                                         {PageVox, "CBVox", 1},        {PageMessages, "CBMsg1", 50},
                                                         {PageOutEvents, "CBOut", 63}, {PageTimers, "CBTimer", 10}};
    for (const auto& [p, box, index] : choices) {
        page(p);
        child<QComboBox>(box)->setCurrentIndex(index);
    }
    dialogs.saveAnswers = {SaveAnswer::No};
    EXPECT_TRUE(form->confirmClose());

    workspace.names().units[7] = "Lobby";
    form->prepareShow();
    const EditorSession& s = form->session();
    EXPECT_EQ((std::vector<int>{child<QTabWidget>("Page")->currentIndex(), s.currentPage, s.selectedUnit, s.selectedKey,
                                s.selectedVox, s.selectedMessageEvent, s.selectedOutEvent, s.selectedTimer}),
              (std::vector<int>{PageUnits, PageUnits, 7, 20, 1, 50, 63, 10}));
    EXPECT_EQ(child<QComboBox>("CBUnit")->currentText(), "Lobby (8)");
}

TEST_F(EditorLifecycle, HelpAndListingButtons)
{
    workspace.settings().settings.help = "english";
    form->prepareShow();
    EXPECT_TRUE(form->helpFile().endsWith("help/qs7582_eng.chm"));
    for (const char* name : {"BbKey", "BbVox", "BbMsg", "BbOut", "BbTimer", "BbLogic", "BbReport"})
        child<QPushButton>(name)->click();
    EXPECT_EQ(helpOpened, (std::vector<int>{2001, 2002, 2003, 2004, 2005, 2006, 2007}));

    // A listing reads the working copy; nothing reaches the image.
    page(PageMessages);
    dialogs.answers = {QString("12")};
    press(cell("OutputEventBox"));
    child<QPushButton>("Button5")->click();
    EXPECT_TRUE(viewer.richEdit()->toPlainText().endsWith("Message event 1 - output event 12"));
    EXPECT_EQ(std::tuple(viewer.lineCount(), image.messageEvent(1).outputEvent()), std::tuple(3, 0));
}

TEST_F(EditorLifecycle, EveryPageAndTheSharedMessagesInItalian)
{
    test::expectShownInItalian([this] {
        SetUp(), form->prepareShow(), form->show();
        for (int p : {PageVox, PageMessages, PageOutEvents, PageTimers, PageInOut})
            page(p);
        return std::unique_ptr<QWidget>(form.release());
    });
    workspace.provenance().unsaved = true;
    useInterfaceLanguage(true);
    const std::tuple shown(mayReplaceConfiguration(dialogs, nullptr, workspace.provenance(), "Open"),
                           periodRefusal("5", 43200), readWholeImage(".", image).error);
    useInterfaceLanguage(false);
    EXPECT_EQ(shown, std::tuple(false, "5 è minore di 10. 0 rende l'evento non periodico.", ".: È una cartella"));
    EXPECT_EQ(dialogs.questions, QStringList{"Configurazione modificata e non salvata. Sostituirla comunque?"});
}

TEST_F(ZonePages, CellAndRowClicksReachTheRecordOfThePage)
{
    form->prepareShow();
    for (int z = 1; z <= 35; ++z)
        work().key(0, 0).zones().set(4, z);
    child<QComboBox>("CBKey")->setCurrentIndex(0); // redraw
    press(cell("ZoneRow4"));
    EXPECT_EQ(ZoneMask::value(work().key(0, 0).zones().mask(4)), ZoneMask::AllZones);

    page(PageOutEvents);
    form->session().modified = false;
    press(cell("ZoneRow0")); // no row toggle on out events
    QWidget* outPage = child("TSout");
    EXPECT_EQ(std::pair(modified(), child<QLabel>("NumberBox")->isVisibleTo(outPage)), std::pair(false, false));
    // RESET has no "unaffected" state: its square goes with its text.
    const QList<QLabel*> labels = outPage->findChildren<QLabel*>();
    const auto unaffected =
        std::find_if(labels.begin(), labels.end(), [](auto* l) { return l->text() == "Unaffected out"; });
    ASSERT_NE(unaffected, labels.end());
    const QList<CellLabel*> squares = (*unaffected)->parentWidget()->findChildren<CellLabel*>();
    ASSERT_EQ(squares.size(), 1);
    child<QComboBox>("CBOut")->setCurrentIndex(ConfigImage::OutEvents);
    EXPECT_EQ(std::pair(squares[0]->isVisibleTo(outPage), (*unaffected)->isVisibleTo(outPage)),
              std::pair(false, false));
    press(cell("ZoneCell0_7"));
    EXPECT_TRUE(work().resetOutEvent().states().test(0, 8));

    // A cell's context menu: Where used of that output, on the working copy.
    emit cell("ZoneCell2_8")->customContextMenuRequested(QPoint(2, 2));
    const std::unique_ptr<QMenu> menu(form->findChild<QMenu*>("WhereUsedMenu"));
    ASSERT_TRUE(menu && menu->actions().size() == 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Where used: Output 9 of master 2");
    menu->actions()[0]->trigger();
    EXPECT_TRUE(viewer.richEdit()->toPlainText().contains("RESET out event: deactivated"));
}

TEST_F(ZonePages, NumberAndOutputEventDialogsAskUntilValidAndCompareTexts)
{
    image.key(0, 0).setMessageNumber(7);
    form->prepareShow();
    dialogs.answers = {QString("128"), QString("007")};
    press(cell("NumberBox"));
    EXPECT_EQ(dialogs.asked, (QStringList{"7", "7"}));
    EXPECT_TRUE(modified()); // "007" is another text than "7", and shown as "7" (the same text below is no edit)

    form->session().modified = false;
    dialogs.answers = {QString(), QString("7"), QString("")}; // cancel, the same text, empty
    press(cell("NumberBox"));
    press(cell("NumberBox"));
    EXPECT_FALSE(modified());
    press(cell("NumberBox"));
    EXPECT_EQ(std::tuple(cell("NumberBox")->text(), work().key(0, 0).messageNumber(), modified()),
              std::tuple(QString("None"), 0, true));

    dialogs.answers = {QString("66"), QString("65")};
    press(cell("OutputEventBox"));
    EXPECT_TRUE(dialogs.askedPrompts.last().endsWith("SYSTEM)\n66 is more than 65.")); // why it came back
    EXPECT_EQ(
        std::tuple(cell("OutputEventBox")->text(), cell("OutputEventBox")->colour(), work().key(0, 0).outputEvent()),
        std::tuple(QString("System"), CellColour::Red, 65));

    page(PageVox);
    dialogs.answers = {QString("8"), QString("3")};
    press(cell("NumberBox"));
    EXPECT_EQ(std::tuple(dialogs.askedTitles.back(), dialogs.asked.back()), std::tuple("Change priority", "5"));
    EXPECT_EQ(work().vox(1).voxPriority(), 3);
}

TEST_F(ZonePages, EdgeButtonsCellsAndColumnTogglesEditTheTable)
{
    ioLine(image, 2) = 0x08;
    ioLine(image, 8) = 0x08;
    form->prepareShow();
    page(PageInOut);

    auto* rise = child<QToolButton>("RiseButton2");
    rise->click();
    EXPECT_EQ(cell("InCell2")->colour(), CellColour::White);
    child<QToolButton>("FallButton2")->click();
    EXPECT_EQ(std::tuple(IoLine::transition(ioLine(work(), 2)), modified()), std::tuple(3, true));
    press(cell("InCell2")); // a white cell goes back to positive level
    EXPECT_EQ(std::tuple(rise->isChecked(), int(ioLine(work(), 2))), std::tuple(false, 0x01));
    press(cell("PriorityBox4"));
    EXPECT_EQ(IoLine::priority(ioLine(work(), 4)), 2);

    press(cell("InContact")); // input 9 still negative: all become positive
    EXPECT_EQ(cell("InCell8")->colour(), CellColour::Green);
    press(cell("InContact"));
    EXPECT_EQ(cell("InCell35")->colour(), CellColour::Red);
    press(cell("OutContact"));
    EXPECT_EQ(std::pair(cell("OutCell0")->colour(), IoLine::outputNegative(ioLine(work(), 20))),
              std::pair(CellColour::Red, true));
    press(cell("OutCell0"));
    EXPECT_FALSE(IoLine::outputNegative(ioLine(work(), 0)));
}

// A text wider than its cell is drawn whole and smaller: the cell's edges stay its background
// and the text is still there. A name cut to its room keeps its number whole.
TEST(CellText, AWideTextIsShrunkNotCutAndACutNameKeepsItsNumber)
{
    CellLabel cell(QStringLiteral("Master"), nullptr, false);
    cell.setColour(CellColour::Red);
    cell.setFixedWidth(36);
    const QImage image = cell.grab().toImage();
    const QRect room = cell.contentsRect();
    int textPixels = 0;
    int atEdge = 0;
    for (int y = room.top(); y <= room.bottom(); ++y)
        for (int x = room.left(); x <= room.right(); ++x)
            if (qRed(image.pixel(x, y)) < 128) {
                ++textPixels;
                atEdge += x == room.left() || x == room.right();
            }
    EXPECT_GT(textPixels, 20);
    EXPECT_EQ(atEdge, 0);

    const QFontMetrics metrics(QApplication::font());
    const QString unit = QStringLiteral("Reception desk north (16)");
    const QString plain = QStringLiteral("PTT/Lock"); // no number: cut at the end
    EXPECT_EQ(elideKeepingNumber(plain, metrics, metrics.horizontalAdvance(plain) - 1),
              metrics.elidedText(plain, Qt::ElideRight, metrics.horizontalAdvance(plain) - 1));
    for (int width = metrics.horizontalAdvance(unit) - 1; width >= metrics.horizontalAdvance("(16)"); --width) {
        const QString shown = elideKeepingNumber(unit, metrics, width);
        ASSERT_LE(metrics.horizontalAdvance(shown), width) << shown.toStdString();
        ASSERT_TRUE(shown == "(16)" || (shown.endsWith(" (16)") && shown.contains(QChar(0x2026))))
            << shown.toStdString();
    }
    EXPECT_EQ(elideKeepingNumber(unit, metrics, 1), "(16)"); // never cut inside the number
}

using EditorUndo = EditorFixture;

struct Seen {
    ConfigImage image;
    bool modified;
};

// Records the pages repair on showing them, so that the walk meets repairs as well as edits.
void plantRepairs(ConfigImage& image, QRandomGenerator& random)
{
    for (int i = 0; i < 12; ++i) {
        image.key(int(random.bounded(16)), int(random.bounded(39))).setMessageNumber(200);
        image.messageEvent(int(random.bounded(1, 128))).setOutputEvent(99);
        image.outEvent(int(random.bounded(1, 64))).data()[0x1E] = 0x55;
    }
    image.vox(2).setVoxPriority(0);
}

// A seeded walk of clicks, row toggles and selections over every page; after each undo and
// redo the working copy and the modified flag are those seen at that point of the walk, and
// showing the page again changes nothing.
TEST_F(EditorUndo, RandomWalkUndoesAndRedoesEveryStepByteForByte)
{
    QRandomGenerator random(7582);
    plantRepairs(image, random);
    form->prepareShow();
    std::vector<Seen> seen{{work(), modified()}};
    // The lists of each page, as only those of the page shown can be used.
    const std::vector<std::vector<const char*>> lists{{"CBUnit", "CBKey"}, {"CBVox"},   {"CBMsg1"},
                                                      {"CBOut"},           {"CBTimer"}, {}};
    for (int action = 0; action < 260; ++action) {
        const int shownPage = child<QTabWidget>("Page")->currentIndex();
        const auto& shown = lists[std::size_t(shownPage)];
        const int what = int(random.bounded(8));
        if (what == 0)
            page(int(random.bounded(6)));
        else if (what == 1 && !shown.empty()) {
            auto* list = child<QComboBox>(shown[random.bounded(int(shown.size()))]);
            list->setCurrentIndex(int(random.bounded(list->count())));
        } else if (what == 2)
            press(cell(QStringLiteral("ZoneRow%1").arg(random.bounded(6))));
        else if (what == 3 && shownPage == PageInOut)
            press(cell(QStringLiteral("InCell%1").arg(random.bounded(36))));
        else if (what > 3 && shownPage <= PageOutEvents)
            press(cell(QStringLiteral("ZoneCell%1_%2").arg(random.bounded(6)).arg(random.bounded(36))));
        QCoreApplication::processEvents();
        if (!(work() == seen.back().image))
            seen.push_back({work(), modified()});
        ASSERT_EQ(form->history().undoDepth(), int(seen.size()) - 1) << "action " << action;
    }
    const int steps = int(seen.size()) - 1;
    ASSERT_GE(steps, 100);
    ASSERT_LE(steps, EditHistory::Depth);

    const auto expectShown = [&](int at, const char* how) {
        ASSERT_TRUE(work() == seen[std::size_t(at)].image) << how << " to step " << at;
        EXPECT_EQ(modified(), seen[std::size_t(at)].modified) << how << " to step " << at;
        form->pageChanged(child<QTabWidget>("Page")->currentIndex());
        QCoreApplication::processEvents();
        ASSERT_TRUE(work() == seen[std::size_t(at)].image) << "showing the page again repaired at step " << at;
    };
    for (int at = steps - 1; at >= 0; --at) {
        form->undo();
        expectShown(at, "undo");
    }
    EXPECT_FALSE(child<QPushButton>("UndoButton")->isEnabled());
    form->showModifiedState();
    EXPECT_EQ(child<QLabel>("StatusPanel0")->text(), "Original configuration");
    for (int at = 1; at <= steps; ++at) {
        form->redo();
        expectShown(at, "redo");
    }
    EXPECT_FALSE(child<QPushButton>("RedoButton")->isEnabled());
}

TEST_F(EditorUndo, ButtonsNameTheStepAndUndoingToTheStartAsksNothing)
{
    form->prepareShow();
    const auto edit = [&](const char* name) { press(cell(name)), QCoreApplication::processEvents(); };
    const auto tip = [&](const char* button) { return child<QPushButton>(button)->toolTip().toStdString(); };
    child<QComboBox>("CBKey")->setCurrentIndex(2);
    edit("ZoneCell1_13");
    const QString step = QString::fromStdString(workspace.names().unitCaption(1)) + ", Key/input 3: Master 1 zones ";
    EXPECT_EQ(tip("UndoButton"), ("Undo: " + step + "+14 (Ctrl+Z)").toStdString());

    page(PageVox);
    edit("ZoneRow0"); // a whole row is one step
    QString cleared = "Undo: VOX1: Master 0 zones";
    for (int z = 1; z <= 36; ++z)
        cleared += QStringLiteral(" −%1").arg(z);
    EXPECT_EQ(tip("UndoButton"), (cleared + " (Ctrl+Z)").toStdString())
        << "the row of a default VOX1, which pages every zone";

    child<QAction>("UndoKey")->trigger();
    child<QAction>("UndoKey")->trigger();
    EXPECT_EQ(std::tuple(child<QTabWidget>("Page")->currentIndex(), child<QComboBox>("CBKey")->currentIndex()),
              std::tuple(int(PageUnits), 2))
        << "the undone zone's page and key come back into view";
    EXPECT_TRUE(work() == image && !modified());
    EXPECT_TRUE(form->confirmClose());
    EXPECT_TRUE(dialogs.saveBoxes.empty());
    EXPECT_EQ(tip("RedoButton"), ("Redo: " + step + "+14 (Ctrl+Shift+Z, Ctrl+Y)").toStdString());

    child<QAction>("RedoKey")->trigger();
    edit("ZoneCell0_0"); // a new edit drops what could be redone
    EXPECT_EQ(std::pair(child<QPushButton>("RedoButton")->isEnabled(), modified()), std::pair(false, true));
}

// A pixel inside a widget's frame, clear of its centred text: its background.
QColor background(QWidget* w) { return w->grab().toImage().pixelColor(4, 4); }

int colourDistance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

class TimerPageTest : public EditorFixture {
protected:
    TimerEventRecord timer() { return work().timer(form->session().selectedTimer + 1); }

    // A valid timer 1 in the image, periodic when a period is given.
    void prepare(QTime start, std::uint16_t period = 0, std::uint32_t duration = 0)
    {
        TimerEventRecord r = image.timer(1);
        writeStart(r, QDate(2026, 3, 14), start);
        r.setPriority(4);
        r.setPeriodSeconds(period);
        r.setDurationSeconds(duration);
    }
    void showTimers() // afresh, without saving
    {
        dialogs.saveAnswers = {SaveAnswer::No};
        form->confirmClose();
        form->prepareShow();
        page(PageTimers);
    }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QTimeEdit* picker(const char* name) { return child<QTimeEdit>(name); }
};

TEST_F(TimerPageTest, AnAllZeroTimerIsRepairedOnShowingThenThePeriodDialogsBoundFollowsTheStartTime)
{
    image.timer(1).setFlags(0x80); // enabled, but with nothing to do
    showTimers();
    EXPECT_EQ(std::pair(startDate(timer()), picker("DTPtime")->time()), std::pair(now.date(), QTime(8, 30, 15)));
    // Sunday is 7; priority 1; off; an edit.
    EXPECT_EQ(std::tuple(timer().start()[Bcd::Weekday], timer().priority(), timer().enabled(), modified()),
              std::tuple(Byte(7), 1, false, true));
    EXPECT_EQ(std::tuple(child<QLabel>("SToe")->text(), button("SpeedButton9")->text()), std::tuple("None", "Off"));

    image.timer(1).setFlags(0);
    prepare(QTime(8, 0, 0));
    showTimers();
    // The period box of a one-time timer is disabled and drawn so, not white.
    CellLabel* period = cell("STint");
    EXPECT_EQ(background(period), period->palette().color(QPalette::Disabled, QPalette::Window));
    button("SBrepeat")->click();
    EXPECT_EQ(std::tuple(background(period), button("SBrepeat")->text(), picker("DTPstop")->time()),
              std::tuple(QColor(Qt::white), "Reset periodic event", QTime(8, 1, 0)));
    picker("DTPstop")->setTime(QTime(23, 0, 0));
    dialogs.answers = {QString("43201"), QString("5"), QString("43200")};
    press(child("STint"));
    EXPECT_EQ(dialogs.asked, (QStringList{"60", "60", "60"}));
    EXPECT_EQ(dialogs.askedPrompts[1], "Seconds 10...43200\n43201 is more than 43200."); // why it came back

    picker("DTPtime")->setTime(QTime(20, 0, 0));     // still before the 23:00 stop
    dialogs.answers = {QString("14400"), QString()}; // the pre-filled 43200 is over 14399 now
    press(child("STint"));
    EXPECT_EQ(std::tuple(dialogs.asked.size(), timer().periodSeconds()), std::tuple(5, 43200)); // cancelled: kept
    EXPECT_TRUE(dialogs.askedPrompts[4].endsWith("14400 is more than 14399. The period must end before midnight."));
    dialogs.answers = {QString("14399")};
    press(child("STint"));
    EXPECT_EQ(timer().periodSeconds(), 14399);
}

TEST_F(TimerPageTest, StartAndStopTimesThatContradictAreRefusedRepeatKindsDayButtonsEdgesAndPriority)
{
    prepare(QTime(10, 0, 0), 600, 3600);
    showTimers();
    auto* start = picker("DTPtime");
    auto* stop = picker("DTPstop");
    start->setTime(QTime(11, 0, 0));
    stop->setTime(QTime(9, 0, 0));
    EXPECT_EQ(std::pair(start->time(), stop->time()), std::pair(QTime(10, 0, 0), QTime(11, 0, 0)));
    EXPECT_EQ(dialogs.warnings, (std::vector<test::ScriptedDialogs::Box>{
                                    {"", "Invalid 'Start event time' (must be lower than 'Stop time')"},
                                    {"", "Invalid 'Stop time' (must be higher than 'Start event time')"}}));
    EXPECT_FALSE(modified());

    stop->setTime(QTime(12, 0, 0));
    start->setTime(QTime(10, 30, 0));
    EXPECT_EQ(std::tuple(timer().durationSeconds(), startTime(timer())), std::tuple(5400u, QTime(10, 30, 0)));
    child<QDateEdit>("DTPday")->setDate(QDate(2027, 1, 1)); // a Friday
    EXPECT_EQ(std::tuple(timer().start()[Bcd::Weekday], timer().start()[Bcd::Year], modified()),
              std::tuple(Byte(0x05), Byte(0x27), true));

    prepare(QTime(10, 0, 0));
    image.timer(1).setRepeatDays(0x80 | 0x05); // bit 7 unused: dropped
    image.timer(1).setFlags(0x34 | 0x48);      // both edges: rising wins; bits 3 and 6 are the device's
    showTimers();
    EXPECT_EQ(std::tuple(timer().repeatDays(), timer().flags(), modified()),
              std::tuple(Byte(0x05), Byte(0x14 | 0x48), false));
    EXPECT_EQ(std::tuple(child<QRadioButton>("RBweekly")->isChecked(), button("SpeedButton3")->isChecked(),
                         button("SpeedButton2")->isChecked(), button("SBsuT")->isChecked(),
                         button("SBgiuT")->isChecked()),
              std::tuple(true, true, false, true, false));
    button("SBgiuT")->click();
    EXPECT_EQ(std::tuple(button("SBsuT")->isChecked(), timer().transition(), child<QComboBox>("CBpty")->currentText()),
              std::tuple(false, 2, QString("4")));
    child<QComboBox>("CBpty")->setCurrentIndex(6);
    EXPECT_EQ(timer().priority(), 7);

    child<QRadioButton>("RBoneTime")->click();
    EXPECT_FALSE(child("Panel2")->isVisibleTo(child("TStimer")));
    child<QRadioButton>("RBweekly")->click();
    EXPECT_EQ(timer().repeatDays(), 1);
    for (const char* day : {"SpeedButton3", "SpeedButton1", "SpeedButton3"})
        button(day)->click();
    EXPECT_EQ(std::pair(int(timer().repeatDays()), child<QRadioButton>("RBweekly")->isChecked()),
              std::pair(0, true)); // weekly until shown again
    child<QRadioButton>("RBdaily")->click();
    EXPECT_EQ(timer().repeatDays(), 0x7F);

    // A pressed toggle is told from a released one at a glance.
    QPushButton* toggle = button("SpeedButton9");
    const QColor released = background(toggle);
    toggle->setChecked(true);
    EXPECT_GT(colourDistance(background(toggle), released), 120);
}

TEST_F(TimerPageTest, MessageEventSlotsTheTwoListsAndTheEnableRule)
{
    prepare(QTime(10, 0, 0));
    showTimers();
    button("SpeedButton9")->click(); // nothing to do: stays off, not an edit, and says why
    EXPECT_EQ(std::tuple(button("SpeedButton9")->isChecked(), timer().enabled(), modified()),
              std::tuple(false, false, false));
    EXPECT_EQ(dialogs.warnings, (std::vector<test::ScriptedDialogs::Box>{{"", TimerWithNothingToDo}}));

    image.timer(1).setMessageEvent(0, 5);
    image.timer(1).setMessageEvent(2, 9);
    showTimers();
    auto* chosen = child<QListWidget>("ListBox2");
    ASSERT_EQ(chosen->count(), 2);
    EXPECT_EQ(chosen->item(1)->text(), "Message event 9");
    EXPECT_EQ(std::tuple(timer().messageEvent(1), modified()), std::tuple(0, false)); // valid: left as it is
    image.timer(1).setMessageEvent(1, 200);
    showTimers();
    EXPECT_EQ(std::tuple(chosen->count(), timer().messageEvent(1), timer().messageEvent(2), modified()),
              std::tuple(2, 9, 0, true));

    for (int e : {19, 21})
        child<QListWidget>("ListBox1")->item(e)->setSelected(true);
    button("Button2")->click();
    EXPECT_EQ(timer().messageEvent(3), 22);
    button("SpeedButton9")->click();
    EXPECT_TRUE(timer().enabled());
    chosen->selectAll();
    button("Button1")->click();
    EXPECT_EQ(std::tuple(chosen->count(), timer().messageEvent(0), timer().enabled()), std::tuple(0, 0, false));
}

void setStart(TimerEventRecord r, int h, int m, int s) { writeStart(r, QDate(2026, 3, 14), QTime(h, m, s)); }

// 31 February passes every field check but is no date; a nibble above 9 is no BCD digit
// even when tens*10+units is in range; weekdays run 1..7. An invalid period, or a forced
// minute past midnight, makes a timer non-periodic. The slots stay sixteen.
TEST(EditRules, TimerStartsPeriodsAndSlotsAreRefusedOrCutIoEdgesAndPriorityWrap)
{
    ConfigImage image;
    TimerEventRecord r = image.timer(5);
    const std::vector<std::pair<int, Byte>> broken[] = {
        {{Bcd::Day, 0x31}, {Bcd::Month, 0x02}}, {{Bcd::Second, 0x1A}}, {{Bcd::Weekday, 0x08}}};
    for (const auto& changes : broken) {
        setStart(r, 10, 0, 0);
        ASSERT_TRUE(startFieldsValid(asConst(r)));
        for (const auto& [at, value] : changes)
            r.start()[at] = value;
        EXPECT_FALSE(startFieldsValid(asConst(r))) << int(changes[0].second);
    }

    setStart(r, 10, 0, 0);
    r.setPeriodSeconds(5);
    r.setDurationSeconds(600);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(r.durationSeconds(), 0u);
    // 23:59:10 allows a 20 s period, but the forced minute would pass midnight.
    setStart(r, 23, 59, 10);
    r.setPeriodSeconds(20);
    EXPECT_FALSE(settlePeriod(r));
    EXPECT_EQ(std::tuple(r.periodSeconds(), r.durationSeconds()), std::tuple(0u, 0u));

    TimerEventRecord last = image.timer(127);
    rewriteSlots(last, std::vector<int>(20, 127));
    EXPECT_EQ(scanSlots(last).events, std::vector<int>(16, 127));
    EXPECT_EQ(image.bytes[ConfigImage::VoxAt], 0); // nothing past the last record
    const std::vector<int> added = addToSelection(std::vector<int>(15, 1), {3, 4, 5});
    EXPECT_EQ(std::tuple(added.size(), added.back()), std::tuple(16u, 3));
    EXPECT_EQ(addToSelection({7}, {7}), (std::vector<int>{7, 7})); // a repeat is added again

    // An I/O line: releasing one edge keeps the other; the priority wraps after seven.
    Byte a = 0x08 | 0x03 | 0x40; // negative level, priority 3, bit 6 preserved
    EXPECT_EQ(risingEdge(a, true, false), CellColour::White);
    EXPECT_EQ(a, 0x10 | 0x03 | 0x40); // logic bit cleared with the edge
    a |= 0x20;
    EXPECT_EQ(risingEdge(a, false, true), std::nullopt); // falling still down: stays white
    EXPECT_EQ(IoLine::transition(a), 2);
    EXPECT_EQ(fallingEdge(a, false, false), CellColour::Green);
    EXPECT_EQ(a, 0x03 | 0x40);

    a = 0x87;
    EXPECT_EQ(stepPriority(a, 7), 1);
    EXPECT_EQ(a, 0x81);
}

// Clicks a cell n times from the colour the record gives it; returns the colours seen.
std::vector<CellColour> clicks(const GridTarget& t, int m, int z, int n)
{
    std::vector<CellColour> seen;
    CellColour c = cellColour(t, m, z);
    for (int i = 0; i < n; ++i)
        seen.push_back(c = clickCell(t, m, z, c));
    return seen;
}

TEST(GridClicks, EachPageCyclesItsColoursAndRowsAndLeavesTheMatchingBits)
{
    using C = CellColour;
    ConfigImage image;
    const GridTarget zones = GridTarget::zones(image.key(3, 5).zones());
    EXPECT_EQ(clicks(zones, 2, 12, 2), (std::vector<C>{C::Green, C::White}));

    OutEventRecord out = image.outEvent(7);
    const GridTarget outEvent = GridTarget::outEvent(out);
    EXPECT_EQ(clicks(outEvent, 1, 35, 2), (std::vector<C>{C::Green, C::Red}));
    EXPECT_EQ(std::pair(out.affects().test(1, 36), out.states().test(1, 36)), std::pair(true, false));
    EXPECT_EQ(clicks(outEvent, 1, 35, 1), (std::vector<C>{C::White}));
    out.states().set(0, 1); // a state bit without its affect bit shows unaffected
    EXPECT_EQ(cellColour(outEvent, 0, 0), C::White);
    out.states().clear(0, 1);

    const GridTarget reset = GridTarget::reset(image.resetOutEvent());
    EXPECT_EQ(clicks(reset, 5, 0, 3), (std::vector<C>{C::Green, C::Red, C::Green})); // from red: all affected
    clicks(reset, 5, 0, 1);

    // A row sets all its zones unless all are set, then clears them; none past zone 36.
    ZoneSet row = image.messageEvent(4).zones();
    ASSERT_TRUE(toggleRow(GridTarget::zones(row), 3));
    const Byte* mask = row.mask(3);
    EXPECT_EQ(std::vector<Byte>(mask, mask + 5), (std::vector<Byte>{0xFF, 0xFF, 0xFF, 0xFF, 0x0F}));
    ASSERT_TRUE(toggleRow(GridTarget::zones(row), 3));
    EXPECT_FALSE(toggleRow(reset, 0));
    EXPECT_EQ(image, ConfigImage{}); // every cycle ended where it began
}

// The prefills and the repairs leave valid values and the device's bytes. Only ASCII digits
// within the range are accepted, and a refused entry says why; the editor's tests take "007",
// "", "128", priority 8, output event 66 and period 43201 through its dialogs.
TEST(GridBoxes, PrefillsRepairsAndAnswersLeaveValidValuesAndARefusalSaysWhy)
{
    EXPECT_EQ(QStringList({outputEventPrefill("System"), outputEventPrefill("Master"), messageNumberPrefill("None")}),
              QStringList({"65", "64", "0"}));

    ConfigImage image;
    KeyRecord key = image.key(0, 0);
    key.setMessageNumber(127);
    key.setOutputEvent(65);
    EXPECT_EQ(std::pair(repairMessageNumber(key), repairOutputEvent(key)), std::pair(false, false));
    VoxRecord vox = image.vox(2);
    vox.setVoxPriority(8);
    EXPECT_TRUE(repairVoxPriority(vox));
    EXPECT_EQ(vox.voxPriority(), 1);

    Byte* out = image.outEvent(63).data();
    out[0x1E] = 0x12;
    out[0x3E] = 0xAB; // the last two bytes are the device's
    EXPECT_TRUE(clearOutEventNumbers(out));
    EXPECT_EQ(std::pair(out[0x1E], out[0x3E]), std::pair(Byte(0), Byte(0xAB)));

    EXPECT_EQ(acceptPeriod("0", 43200), 0);
    // "\u0667" is an Arabic-Indic seven.
    for (const char* refused : {"12a", "\u0667", "99999999999999999999"})
        EXPECT_EQ(acceptMessageNumber(QString::fromUtf8(refused)), std::nullopt) << refused;
    EXPECT_EQ(std::tuple(acceptPriority(""), acceptPriority("0"), acceptPeriod("9", 43200)),
              std::tuple(std::nullopt, std::nullopt, std::nullopt));
    EXPECT_EQ(
        QStringList({numberRefusal("12a", 0, 127), numberRefusal("", 1, 7),
                     numberRefusal("99999999999999999999", 0, 127), periodRefusal("5", 43200)}),
        QStringList({"'12a' is not a whole number.", "0 is less than 1.", "99999999999999999999 is more than 127.",
                     "5 is less than 10. 0 makes the event not periodic."}));
}

// The default configuration matches nothing; a crafted one lists each match character for character.
TEST(ConsistencyListings, DefaultMatchesNothingAndACraftedImageListsEachMatch)
{
    NameTables names;
    ConfigImage image;
    const auto listings = [&] {
        return std::vector{keysWithEventsListing(image, names), keysWithoutZonesListing(image, names),
                           messageEventsWithOutputListing(image), messageEventsIncompleteListing(image),
                           programmedTimersListing(image)};
    };
    buildDefaultConfiguration(image, 3);
    const std::vector<Report> none = listings();
    const char* const titles[] = {"Keys and inputs with message or output event associated",
                                  "Keys and inputs with no zones associated",
                                  "Message events with output event associated",
                                  "Message events with no messages or zones associated", "Programmed timer events"};
    for (int i = 0; i < 5; ++i) // the caption, then the lines
        EXPECT_EQ(QStringList(none[i].caption) + texts(none[i]),
                  (QStringList{titles[i], titles[i], "", "No match found"}));

    names.units[3] = "Desk hall";
    buildDefaultConfiguration(image, 0);
    image.key(3, 11).setMessageNumber(7);
    image.key(3, 11).setOutputEvent(65);
    image.key(8, 0).setOutputEvent(12);
    image.key(15, ConfigImage::AllEsp2Key).setMessageNumber(127);
    // Unit 9 left empty: all 39 records listed; a single bit 36..39 still counts as a zone.
    for (int k = 0; k < ConfigImage::KeysPerUnit; ++k)
        image.key(9, k).zones().clearAll(0);
    image.key(9, 4).zones().mask(5)[4] = 0x10;

    image.messageEvent(1).setOutputEvent(64);
    image.messageEvent(2).setMessageNumber(0);
    image.messageEvent(3).zones().clearAll(0);
    image.messageEvent(127).setMessageNumber(0);
    image.messageEvent(127).zones().clearAll(0);

    image.timer(3).setMessageEvent(2, 4); // first slot empty, no output event: not programmed
    image.timer(4).setMessageEvent(2, 4);
    image.timer(4).setOutputEvent(12);
    image.timer(9).setMessageEvent(0, 1);
    image.timer(9).setEnabled(true);

    const std::vector<Report> found = listings();
    EXPECT_EQ(texts(found[0]).mid(2),
              (QStringList{"Desk hall (4) - Key 12 - message 7 - output event 65",
                           "Unit (9) - Key/input 1 - output event 12", "Unit (16) - ALL Esp. 2 - message 127"}));

    const QStringList empty = texts(found[1]);
    ASSERT_EQ(empty.size(), 2 + 38);
    EXPECT_EQ(empty.mid(6, 2), (QStringList{"Unit (10) - Key/input 6", "Unit (10) - Key 7"}));

    EXPECT_EQ(texts(found[2]).mid(2), (QStringList{"Message event 1 - output event 64"}));
    EXPECT_EQ(texts(found[3]).mid(2), (QStringList{"Message event 2 - NO message", "Message event 3 - NO zones",
                                                   "Message event 127 - NO message - NO zones"}));
    EXPECT_EQ(texts(found[4]).mid(2),
              (QStringList{"Timer event 4 - output event 12 - message list EMPTY - timer DISABLED",
                           "Timer event 9 - NO output event  - message events in list - timer enabled"}));
}

} // namespace
} // namespace q7582
