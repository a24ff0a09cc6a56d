// What the user sees and handles: the painted 6 x 6 grid (names, hit-testing, clicks, tool
// tips, accessibility), the level tag and the status bar on their own; titles exactly as
// the windows name themselves, boxes wide enough for their titles, sharp icons on a
// magnified screen, windows that fit the screen; grids, panels and level sliders drawn as
// the widgets they replace.

#include "WindowFixture.h"
#include "program/SecondaryWindows.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/WindowHelp.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/AboutBox.h"
#include "ui/main/Icons.h"
#include "ui/main/LevelSlider.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/Panel.h"
#include "ui/main/StatusBarPanel.h"
#include "ui/main/Widgets.h"
#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/reports/ReportViewer.h"

#include <QAccessible>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

namespace q7582::test {
namespace {

class CellGridTest : public ::testing::Test {
protected:
    CellGrid grid{{QStringLiteral("InCardLabel"), QStringLiteral("Card "), 1, QStringLiteral("InCell")}, nullptr};
};

TEST_F(CellGridTest, NamesHitTestingAndClicksFollowTheCellsLayout)
{
    // The names are checked where the window's tests find cells by them.
    for (int n = 0; n < CellGrid::Cells; ++n) {
        const QRect r = grid.cellRect(n);
        EXPECT_EQ(std::tuple(grid.cellAt(r.topLeft()), grid.cellAt(r.bottomRight()), grid.rect().contains(r)),
                  std::tuple(n, n, true));
    }
    // Rows 16 pixels apart, cells 31: the one-pixel gaps and the captions hit no cell.
    EXPECT_EQ(grid.cellRect(7).topLeft() - grid.cellRect(0).topLeft(), QPoint(31, 16));
    EXPECT_EQ(grid.cellAt(grid.cellRect(0).topRight() + QPoint(1, 0)), -1);
    EXPECT_EQ(grid.cellAt(grid.cellRect(0).bottomLeft() + QPoint(0, 1)), -1);
    EXPECT_EQ(grid.cellAt(grid.rowRect(2).center()), -1);

    // Clicks name their cell, and a double click is also a press.
    std::vector<std::pair<int, Qt::MouseButton>> pressed;
    std::vector<int> doubled;
    QObject::connect(&grid, &CellGrid::cellPressed, [&](int n, Qt::MouseButton b) { pressed.emplace_back(n, b); });
    QObject::connect(&grid, &CellGrid::cellDoubleClicked, [&](int n) { doubled.push_back(n); });
    mouse(&grid, QEvent::MouseButtonPress, Qt::RightButton, grid.cellRect(13).center());
    mouse(&grid, QEvent::MouseButtonPress, Qt::LeftButton, grid.rowRect(1).center());
    mouse(&grid, QEvent::MouseButtonDblClick, Qt::LeftButton, grid.cellRect(35).center());
    mouse(&grid, QEvent::MouseButtonDblClick, Qt::RightButton, grid.cellRect(2).center());
    EXPECT_EQ(pressed, (std::vector<std::pair<int, Qt::MouseButton>>{
                           {13, Qt::RightButton}, {35, Qt::LeftButton}, {2, Qt::RightButton}}));
    EXPECT_EQ(doubled, std::vector<int>{35});
}

TEST_F(CellGridTest, EachCellShowsItsOwnToolTipAndIsNamedForAccessibility)
{
    grid.setCellToolTip(0, QStringLiteral("Lobby"));
    grid.setCellToolTip(4, QStringLiteral("Hall"));
    grid.setCellToolTip(35, QStringLiteral("Garden"));
    grid.show();
    for (auto [cell, tip] : {std::pair{4, "Hall"}, {35, "Garden"}}) {
        const QPoint at = grid.cellRect(cell).center();
        QHelpEvent help(QEvent::ToolTip, at, grid.mapToGlobal(at));
        QApplication::sendEvent(&grid, &help);
        EXPECT_EQ(QToolTip::text(), tip);
    }
    QToolTip::hideText();
    grid.hide();

    // Accessibility names each caption and cell where it lies.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->childCount(), CellGrid::Rows + CellGrid::Cells);
    QAccessibleInterface* caption = table->child(1);
    QAccessibleInterface* first = table->child(CellGrid::Rows);
    QAccessibleInterface* last = table->child(CellGrid::Rows + 35);
    const QStringList texts{caption->text(QAccessible::Name), caption->text(QAccessible::Value),
                            first->text(QAccessible::Name), first->text(QAccessible::Description),
                            last->text(QAccessible::Value)};
    EXPECT_EQ(texts, QStringList({"InCardLabel1", "Card 2", "InCell1", "Lobby", "36"}));
    EXPECT_EQ(last->rect().topLeft(), grid.mapToGlobal(grid.cellRect(35).topLeft()));
    const QPoint middle = grid.mapToGlobal(grid.cellRect(8).center());
    EXPECT_EQ(std::tuple(table->indexOfChild(last), last->parent(), table->childAt(middle.x(), middle.y())),
              std::tuple(CellGrid::Rows + 35, table, table->child(CellGrid::Rows + 8)));
}

QImage opaque(const QPixmap& shot) { return shot.toImage().convertToFormat(QImage::Format_RGB32); }

struct ProbedSlider : LevelSlider {
    using LevelSlider::initStyleOption; // what keys and mouse work on
    using LevelSlider::LevelSlider;
};

// The window has its grids and panels draw their disabled look ahead while it is idle. Drawn
// ahead or on the spot, enabled or not, a grid's part looks the same with its gaps unpainted,
// a cell as the framed text it replaces and a panel as the style draws a group box, also
// after the panel's title and size change. (Panels lower than 96 pixels: a taller one would
// be filled by Qt's thread pool, which ThreadSanitizer cannot follow.)
TEST(DisabledLook, DrawnAheadOrOnTheSpotItLooksTheSameAndASlidersFillGrowsWithTheLevel)
{
    QWidget host;
    host.resize(600, 400);
    const QColor blue(0xA0, 0xA0, 0xFF);
    std::vector<CellGrid*> grids;
    std::vector<QGroupBox*> panels; // the last one plain
    for (int n = 0; n < 2; ++n) {
        grids.push_back(new CellGrid(
            {QStringLiteral("OutCardLabel"), QStringLiteral("Card "), 1, QStringLiteral("OutCell")}, &host));
        grids.back()->setCellBackground(13, blue);
        grids.back()->setRowBackground(2, Qt::white);
        panels.push_back(new Panel(QStringLiteral("Units"), &host));
    }
    panels.push_back(new QGroupBox(QStringLiteral("Units"), &host));
    for (QGroupBox* panel : panels)
        panel->setGeometry(0, 0, 262, 90);
    grids.back()->prepareDisabledLook();
    static_cast<Panel*>(panels[1])->prepareDisabledLook();
    ClickLabel* cell = makeText(&host, QStringLiteral("OutCell14"), QRect(QPoint(), grids[0]->cellRect(13).size()));
    cell->setText(QStringLiteral("14"));
    cell->setBackground(blue);
    const QRect part = grids[0]->rowRect(2).united(grids[0]->cellRect(13)); // a caption, two cells
    const auto same = [&](const char* when) {
        EXPECT_EQ(opaque(grids[0]->grab(part)), opaque(grids[1]->grab(part))) << when;
        EXPECT_EQ(opaque(grids[1]->grab(grids[1]->cellRect(13))), opaque(cell->grab())) << when;
        for (int n : {0, 1})
            EXPECT_EQ(panels[n]->grab().toImage(), panels[2]->grab().toImage()) << when << n;
        QImage image(grids[1]->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        grids[1]->render(&image, QPoint(), QRegion(), QWidget::DrawChildren); // no window background
        EXPECT_EQ(image.pixelColor(grids[1]->cellRect(13).topRight() + QPoint(1, 0)), QColor(Qt::black)) << when;
    };
    same("enabled");
    host.setEnabled(false);
    same("disabled");
    host.setEnabled(true);
    for (QGroupBox* panel : panels) {
        panel->setTitle(QStringLiteral("Music selection"));
        panel->resize(300, 80);
    }
    same("new title and size");

    // A vertical slider is drawn mirrored, from the bottom up: its fill grows with the level
    // while the handle stays where keys and mouse have it. A horizontal one is drawn as it is.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    ProbedSlider slider(Qt::Vertical, nullptr);
    slider.setStyle(fusion.get());
    slider.setRange(0, 20);
    slider.setInvertedAppearance(true); // position 0, level 20, at the top
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.resize(30, 144);
    slider.setValue(15);
    EXPECT_EQ(std::tuple(slider.paintOption().upsideDown, slider.paintOption().sliderPosition), std::tuple(true, 5));
    int lastFill = -1;
    for (int position : {20, 15, 10, 5, 0}) { // level 0 up to 20
        slider.setValue(position);
        const QStyleOptionSlider painted = slider.paintOption();
        QStyleOptionSlider plain;
        slider.initStyleOption(&plain);
        const auto rect = [&](const QStyleOptionSlider& o, QStyle::SubControl c) {
            return fusion->subControlRect(QStyle::CC_Slider, &o, c, &slider);
        };
        EXPECT_EQ(rect(painted, QStyle::SC_SliderHandle), rect(plain, QStyle::SC_SliderHandle)) << position;
        const int fill =
            rect(painted, QStyle::SC_SliderGroove).bottom() - rect(painted, QStyle::SC_SliderHandle).bottom();
        EXPECT_GT(fill, lastFill) << position;
        lastFill = fill;
    }
    EXPECT_GT(lastFill, 100); // the top level: nearly the whole groove
    QStyleOptionSlider horizontal;
    horizontal.orientation = Qt::Horizontal;
    horizontal.sliderPosition = 3;
    EXPECT_EQ(filledFromBottom(horizontal).sliderPosition, 3);
}

// The level tag follows the moved slider and hides after its time; the status bar's notice
// stands in for the caption until cleared.
TEST(PanelWidgetsTest, LevelTagFollowsTheSliderTheNoticeStandsInForTheCaptionAndABoxTitleIsReadWhole)
{
    QWidget area;
    VoxPanel vox(&area);
    LevelTag tag(&area);
    area.show();
    QSlider* threshold = child<QSlider>(vox, "LevelSliders12");
    threshold->setValue(4);
    tag.showFor(voxThreshold(0), threshold);
    EXPECT_EQ(std::pair(tag.pos(), tag.isVisible()), std::pair(QPoint(120 + 3 * 4 + 2, 40 - 16), true));
    QTimer* timer = child<QTimer>(tag, "TBox");
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(tag.isVisible());

    LinkShared shared;
    QMainWindow window;
    auto* bar = new StatusBarPanel(shared, &window);
    window.setStatusBar(bar);
    int noticeChanges = 0; // what has the window refresh its caption
    QObject::connect(bar, &StatusBarPanel::noticeChanged, [&] { ++noticeChanges; });
    auto* caption = child<QLabel>(*bar, "StatusBar1Panel3");
    const auto shown = [&] { return std::tuple(caption->text(), caption->toolTip()); };

    // A caption and its tool tip as shown: ConfigCommands.ProvenanceFollowsEveryEventOfItsTable.
    bar->showCaption(QStringLiteral("Configuration A"), QStringLiteral("a.cfi"));
    bar->showNotice(QStringLiteral("Transfer cancelled"), true, QStringLiteral("why"));
    // a refresh meanwhile keeps the notice
    bar->showCaption(QStringLiteral("Configuration B"), QStringLiteral("b.cfi"));
    EXPECT_EQ(shown(), std::tuple("Transfer cancelled", "why"));
    bar->clearNotice();
    bar->showCaption(QStringLiteral("Configuration B"), QStringLiteral("b.cfi"));
    EXPECT_EQ(std::tuple(caption->text(), caption->toolTip(), noticeChanges),
              std::tuple("Configuration B", "b.cfi", 2));

    // The Cancel button and Esc come and go together (the window's tests click them).
    auto* cancel = child<QToolButton>(*bar, "CancelTransfer");
    auto* esc = child<QAction>(window, "CancelTransferKey");
    for (bool offered : {true, false}) {
        bar->offerCancel(offered);
        EXPECT_EQ(std::pair(cancel->isHidden(), esc->isEnabled()), std::pair(!offered, offered));
    }

    // A title is read whole beside the title bar's buttons, but never wider than the screen.
    // Enter takes the default button: OK only where OK just goes on.
    EXPECT_EQ(std::tuple(messageBoxWidthForTitle(0, 13, 1920), messageBoxWidthForTitle(300, 13, 1920),
                         messageBoxWidthForTitle(2000, 13, 960)),
              std::tuple(0, 300 + 8 * 13, 960));

    // The editor's close question, as shown.
    const QString title = "Configuration is modified, save changes ?";
    const auto box = QtDialogProvider::makeBox(QMessageBox::Question, title, "Yes = save & quit\nNo = quit",
                                               QMessageBox::Yes | QMessageBox::No, nullptr);
    box->show(); // a box sizes itself when shown
    QCoreApplication::processEvents();
    const QFontMetrics metrics(box->font());
    EXPECT_EQ(box->windowTitle(), title);
    EXPECT_GE(box->width(), messageBoxWidthForTitle(metrics.horizontalAdvance(title), metrics.height(), 1920));

    const auto untitled =
        QtDialogProvider::makeBox(QMessageBox::Warning, QString(), "Invalid 'Stop time'", QMessageBox::Ok, nullptr);
    EXPECT_EQ(untitled->windowTitle(), " "); // not the program's name, which X11 would show

    for (auto [enter, answer] : {std::pair{EnterMeans::Ok, true}, {EnterMeans::Cancel, false}}) {
        const InModal pressReturn([](QWidget* box) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(box, &key);
        });
        EXPECT_EQ(QtDialogProvider().okCancel(nullptr, "Error loading message folder.", "Save?", enter), answer);
        EXPECT_FALSE(pressReturn.leftOpen());
    }
}

class WindowTitles : public WindowTest {};

// The Cancel button does not heighten the status bar, which would make the window
// scroll; a long caption widens its panel to be read whole.
TEST_F(WindowTitles, TheStatusBarKeepsItsHeightAndShowsTheWholeCaption)
{
    connectMaster();
    window->show();
    trigger("Edit1"); // an Upload: the Cancel button shows
    QCoreApplication::sendPostedEvents();
    const auto* area = find<QScrollArea>(QString());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible());
    window->enableMainWindow();
    trigger("Master3");
    acceptEdited(workspace->config());
    window->transferEnded({TransferKind::Download, TransferEnd::Failed, TransferFault::LinkLost, 91, 0});
    QCoreApplication::sendPostedEvents();
    const auto* caption = find<QLabel>("StatusBar1Panel3");
    EXPECT_EQ(caption->text(), "DEFAULT Configuration of Master 3 - MODIFIED - PARTIAL DOWNLOAD");
    EXPECT_GE(caption->contentsRect().width(), caption->fontMetrics().horizontalAdvance(caption->text()));
    EXPECT_LE(caption->geometry().right(), window->statusBar()->width());
}

// A window keeps its size where it fits and scrolls where it does not. Icons are drawn at
// the screen's pixel ratio: a 20-pixel connection icon has 40 pixels at 200 %, drawn sharp,
// not scaled up.
TEST(ScreenFit, AWindowScrollsOnlyWhereItDoesNotFitAndIconsFollowThePixelRatio)
{
    // wanted, room, the window's size and whether it scrolls, with a 16-pixel scroll bar
    const std::tuple<QSize, QSize, QSize, bool> cases[] = {
        {{850, 655}, {1912, 1040}, {850, 655}, false},    // 100 %: the main window as designed
        {{850, 655}, {952, 500}, {850 + 16, 500}, true},  // 200 % of 1920 x 1080: too high, the bar takes width
        {{1000, 400}, {952, 500}, {952, 400 + 16}, true}, // too wide only: the bar below still fits
        {{1000, 490}, {952, 500}, {952, 500}, true},      // too wide, and the bar below makes it too high
        {{952, 500}, {952, 500}, {952, 500}, false}};     // exactly the room
    for (auto [wanted, room, size, scrolls] : cases) {
        const WindowFit fit = fitWindow(wanted, room, 16);
        EXPECT_EQ(std::tuple(fit.size, fit.scrolls), std::tuple(size, scrolls))
            << wanted.width() << " " << room.width();
    }

    // A fixed window larger than the screen scrolls its content.
    QWidget window;
    auto* far = new QWidget(&window);
    far->setGeometry(2900, 1900, 50, 50);
    fitFixedWindow(window, {3000, 2000});
    EXPECT_EQ(window.size(), roomOnScreen(window));
    auto* scroll = window.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(far->parentWidget(), scroll->widget());

    QWidget small;
    fitFixedWindow(small, {298, 220});
    EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);

    for (qreal ratio : {1.0, 1.5, 2.0}) {
        const std::pair<const QPixmap*, int> pictures[] = {{&icons::connection(icons::ConnConnected, ratio), 20},
                                                           {&icons::unit(icons::UnitIoCard, ratio), 14},
                                                           {&helpGlyph(HelpButtonLook::TitleCorner, ratio), 16}};
        for (auto [picture, side] : pictures)
            EXPECT_EQ(std::tuple(picture->devicePixelRatio(), picture->size()),
                      std::tuple(ratio, QSize(qRound(side * ratio), qRound(side * ratio))))
                << side;
    }
    const QImage sharp = helpGlyph(HelpButtonLook::TitleCorner, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage scaled = helpGlyph(HelpButtonLook::TitleCorner, 1.0).toImage().scaled(32, 32);
    ASSERT_EQ(sharp.size(), scaled.size());
    EXPECT_NE(sharp, scaled.convertToFormat(QImage::Format_ARGB32));
}

// The menu bar: its order, the items waiting for their windows, the report items, the help
// language, help and the About box.
using MenuBar = WindowTest;

QStringList captions(const QWidget* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            out << a->text();
    return out;
}

TEST_F(MenuBar, HoldsEveryCommandInItsOrderAndSavesTheHelpLanguage)
{
    EXPECT_EQ(captions(window->menuBar()), QStringList({"&Message", "&Config", "&Report", "H&elp Language",
                                                        "&Language / Lingua", "&Help", "Rec&ord", "E&xit"}));
    EXPECT_EQ(captions(find("Config1")),
              QStringList({"&Edit", "&Upload", "&Download", "&Save", "&Compare...", "Compare with De&fault", "&Open",
                           "&History...", "&Load Default", "&Recent Files"}));
    EXPECT_EQ(captions(find("Report1")), QStringList({"&Status", "&Configuration", "&Timeline..."}));

    // The help language menu mirrors and saves the setting.
    auto* italiano = find<QAction>("italiano1");
    auto* english = find<QAction>("english1");
    for (int i = 0; i < 2; ++i) { // picking the language in force again leaves one mark
        english->trigger();
        EXPECT_EQ(std::pair(italiano->isChecked(), english->isChecked()), std::pair(false, true));
    }
    EXPECT_NE(read("QS7582.ini").find("help = english\r\n"), std::string::npos);

    // The interface language: the site's own file, QS7582.ini untouched, in force from the next start.
    const std::string settings = read("QS7582.ini");
    trigger("LanguageItalian1");
    trigger("LanguageEnglish1"); // English is in force: nothing to say
    EXPECT_EQ(std::tuple(read("language.ini"), read("QS7582.ini"), find<QAction>("LanguageEnglish1")->isChecked()),
              std::tuple("interface = english\n", settings, true));
    EXPECT_EQ(dialogs.warnings, std::vector<Box>({{"Language", "The manager shows its windows in the new language "
                                                               "from its next start."}}));
}

TEST_F(MenuBar, CompilerEditorAndHistoryItemsWaitForTheirModalWindows)
{
    const QStringList items{"Open2", "Edit2", "History1", "Timeline1"};
    for (const QString& item : items)
        EXPECT_FALSE(find<QAction>(item)->isEnabled()) << item.toStdString();
    const SecondaryWindows windows = createSecondaryWindows(*window, *workspace);
    for (const QString& item : items)
        EXPECT_TRUE(find<QAction>(item)->isEnabled()) << item.toStdString();
    for (const QWidget* modal :
         std::initializer_list<const QWidget*>{windows.editor, windows.compiler, windows.history})
        EXPECT_EQ(modal->parentWidget(), window.get());

    QStringList opened;
    window->setMessageCompilerOpener([&] { opened << "compiler"; });
    window->setConfigEditorOpener([&] { opened << "editor"; });
    trigger("Open2");
    trigger("Edit2");
    EXPECT_EQ(opened, QStringList({"compiler", "editor"}));
    window->setConfigEditorOpener(nullptr);
    EXPECT_FALSE(find<QAction>("Edit2")->isEnabled());

    // The timeline asks for a recording in the site's recordings folder.
    ASSERT_TRUE(QDir(tmp.path()).mkdir("recordings"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(tmp.path());
    trigger("Timeline1");
    QDir::setCurrent(before);
    ASSERT_EQ(dialogs.startFolders.size(), 1);
    EXPECT_EQ(QDir(dialogs.startFolders[0]).dirName(), "recordings");
}

TEST_F(MenuBar, ReportItemsCheckFirstThenFillTheViewerFromTheControls)
{
    trigger("Status1");
    trigger("imers1");
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_EQ(std::tuple(dialogs.warnings[0].first, dialogs.warnings[1].first,
                         dialogs.warnings[1].second.section('\n', 0, 0)),
              std::tuple("Status Report", "Configuration Report", "No master connected"));
    setStatus([](StatusBlock& s) {
        s.bytes[StatusBlock::AddressChime] = 0x82;
        s.setMusicSourceLevel(1, 6);
    });
    connectMaster();
    trigger("Status1");
    // The live status and the site's names reach it; its title and chime line:
    // ConfigurationReports.StatusListsSettingsUnitsAndSlavesInOrder.
    const QString report = window->reportViewer().richEdit()->toPlainText();
    EXPECT_TRUE(report.contains("CD setting = 6")) << report.toStdString();

    // The configuration reports want an unmodified Upload from this master, chime bit and all.
    const auto refusal = [&](const char* item) {
        const std::size_t before = dialogs.warnings.size();
        trigger(item);
        return dialogs.warnings.size() > before ? dialogs.warnings.back().second.section('\n', 0, 0) : QString();
    };
    EXPECT_EQ(refusal("Connectedunits1"), "Configuration not Uploaded");
    window->uploadCompleted(ConfigImage{}, 0x02);
    EXPECT_EQ(refusal("imers1"), "Configuration is not uploaded from the connected master");
    window->uploadCompleted(ConfigImage{}, 0x82);
    acceptEdited(workspace->config());
    EXPECT_EQ(refusal("ConnectedIOcard1"), "Configuration modified");
    window->uploadCompleted(ConfigImage{}, 0x82);
    EXPECT_EQ(refusal("ConnectedIOcard1"), "");
    EXPECT_EQ(window->reportViewer().windowTitle(), "Configuration report");
    window->reportViewer().close();
}

TEST_F(MenuBar, HelpOpensTheViewerOnlyWithFileAndViewerElseTheBuiltInTopic)
{
    // The help buttons' own topics are checked with the help window.
    const auto topic = [&] { return window->helpOpener().browser()->source().toString(); };
    // The file of the language in force is there, and so is the viewer.
    QDir(tmp.path()).mkpath("help");
    write("help/qs7582_ita.chm", "");
    trigger("Help2"); // no viewer yet
    ASSERT_NE(window->helpOpener().browser(), nullptr);
    EXPECT_EQ(topic(), "qrc:/help/it/1000.html"); // Italian help unless English is chosen
    viewerInstalled = true;
    find<QToolButton>("BbAddr")->click();
    ASSERT_EQ(viewerStarts.size(), 1u);
    EXPECT_EQ(viewerStarts[0].second, (QStringList{"--contextid=3002", tmp.filePath("help/qs7582_ita.chm")}));
    window->helpOpener().open(HelpContext::HistoryWindow); // a topic the help file has not
    EXPECT_EQ(topic(), "qrc:/help/it/history.html");

    // English help chosen, its file missing: built-in again.
    trigger("english1");
    find<QToolButton>("BbMuSel")->click();
    EXPECT_EQ(std::tuple(viewerStarts.size(), topic()), std::tuple(1u, "qrc:/help/en/3011.html"));
    window->enterGeneratorMode(); // F1 there: the generator's topic
    trigger("Help2");
    EXPECT_EQ(topic(), "qrc:/help/en/5000.html");
}

TEST_F(MenuBar, AboutBoxShowsTheCompiledVersionAndTheFirmwareOfTheConnectedDevice)
{
    trigger("Info1");
    EXPECT_EQ(std::tuple(dialogs.executed, dialogs.lastFirmwareLine), std::tuple(QStringList{"TAboutBoxMain"}, ""));
    setStatus([](StatusBlock& s) { std::copy_n("\x01\x05", 2, &s.bytes[StatusBlock::FirmwareRelease]); });
    shared.connectionState = ConnectionState::Connected;
    trigger("Info1");
    EXPECT_EQ(dialogs.lastFirmwareLine, "Q7582 firmware release: 1.5");
    shared.withGenerator(
        [](GeneratorStatus& g) { std::copy_n("\x02\x0A", 2, &g.bytes[GeneratorStatus::FirmwareRelease]); });
    window->enterGeneratorMode();
    trigger("Info1");
    EXPECT_EQ(dialogs.lastFirmwareLine, "RKDV7582 firmware release: 2.10");

    // Compiled in: the same from any working directory.
    const QString before = QDir::currentPath();
    QDir::setCurrent(tmp.path());
    AboutBox box;
    QDir::setCurrent(before);
    EXPECT_EQ(std::tuple(box.windowTitle(), child<QLabel>(box, "Version")->text()),
              std::tuple("About", QStringLiteral("Version: " Q7582_VERSION)));

    // The packaged icon, in the box and on the window, at the sizes the desktop has.
    EXPECT_FALSE(child<QLabel>(box, "ProgramIcon")->pixmap().isNull());
    EXPECT_EQ(window->windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
}

} // namespace
} // namespace q7582::test
