#include "EditorFixture.h"

#include "link/LinkShared.h"
#include "model/ConfigFile.h"
#include "program/SecondaryWindows.h"
#include "ui/common/RecoveryFiles.h"
#include "ui/config/IoLogicRules.h"
#include "ui/config/SelectorCombo.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramEnd.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextEdit>
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
    EXPECT_EQ(dialogs.saveQuestions, 0); // silent repairs ask nothing

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
    QTimer::singleShot(0, window.get(), [&] { window->findChild<QAction*>("Edit2")->trigger(); });
    QTimer::singleShot(0, window.get(), [&] { // inside the editor's own loop
        press(editor->findChild<CellLabel*>("ZoneCell0_0"));
        std::raise(SIGTERM);
    });
    QTimer::singleShot(3000, window.get(), [] { QCoreApplication::exit(1); }); // fails rather than hangs
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(dialogs.saveQuestions, 0);
    const QStringList kept = recoveryFiles(site.settings().dir());
    ConfigImage recovered;
    ASSERT_TRUE(kept.size() == 1 && readWholeImage(folder.filePath(kept[0]).toStdString(), recovered).ok);
    EXPECT_EQ(recovered, editor->session().workingCopy);

    window = std::make_unique<MainWindow>(shared, site, options); // the next start
    const auto* panel = window->findChild<QLabel*>("StatusBar1Panel3");
    EXPECT_EQ(panel->text(), "Editor changes kept in " + kept[0]);
    window->findChild<QAction*>("Master1")->trigger(); // until the configuration is replaced
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
    EXPECT_EQ(viewer.lineCount(), 3);
    EXPECT_TRUE(viewer.richEdit()->toPlainText().endsWith("Message event 1 - output event 12"));
    EXPECT_EQ(image.messageEvent(1).outputEvent(), 0);
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
// and the text is still there.
TEST(CellLabelLook, ATextWiderThanItsCellIsShrunkNotCut)
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
}

TEST(ElideKeepingNumber, CutsTheNameAndKeepsTheNumberWhole)
{
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

} // namespace
} // namespace q7582
