// The main window's widgets on their own, without the window: the painted 6 x 6 grid
// (names, hit-testing, clicks, tool tips, painted colours), the panel frame, the level
// tag and the status bar.

#include "link/LinkShared.h"
#include "ui/main/CellGrid.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/LevelTag.h"
#include "ui/main/LevelsPanel.h"
#include "ui/main/Panel.h"
#include "ui/main/StatusBarPanel.h"
#include "ui/main/Widgets.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

namespace q7582::test {
namespace {

QImage opaque(const QPixmap& shot) { return shot.toImage().convertToFormat(QImage::Format_RGB32); }

class CellGridTest : public ::testing::Test {
protected:
    CellGrid grid{{QStringLiteral("InCardLabel"), QStringLiteral("Card "), 1, QStringLiteral("InCell")}, nullptr};

    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        QMouseEvent e(type, QPointF(at), grid.mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
        QApplication::sendEvent(&grid, &e);
    }
    static QImage rendered(CellGrid& grid)
    {
        QImage image(grid.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        grid.render(&image, QPoint(), QRegion(), QWidget::DrawChildren); // no window background
        return image;
    }
};

TEST_F(CellGridTest, NamesHitTestingAndClicksFollowTheCellsLayout)
{
    // The names are checked where the window's tests find cells by them.
    for (int n = 0; n < CellGrid::Cells; ++n) {
        const QRect r = grid.cellRect(n);
        EXPECT_EQ(grid.cellAt(r.topLeft()), n);
        EXPECT_EQ(grid.cellAt(r.bottomRight()), n);
        EXPECT_TRUE(grid.rect().contains(r));
    }
    // Rows 16 pixels apart, cells 31: the one-pixel gaps and the captions hit no cell.
    EXPECT_EQ(grid.cellRect(7).topLeft() - grid.cellRect(0).topLeft(), QPoint(31, 16));
    EXPECT_EQ(grid.cellAt(grid.cellRect(0).topRight() + QPoint(1, 0)), -1);
    EXPECT_EQ(grid.cellAt(grid.cellRect(0).bottomLeft() + QPoint(0, 1)), -1);
    EXPECT_EQ(grid.cellAt(grid.rowRect(2).center()), -1);
    EXPECT_FALSE(grid.rowRect(0).intersects(grid.cellRect(0)));

    // Clicks name their cell, and a double click is also a press.
    std::vector<std::pair<int, Qt::MouseButton>> pressed;
    std::vector<int> doubled;
    QObject::connect(&grid, &CellGrid::cellPressed, [&](int n, Qt::MouseButton b) { pressed.emplace_back(n, b); });
    QObject::connect(&grid, &CellGrid::cellDoubleClicked, [&](int n) { doubled.push_back(n); });
    mouse(QEvent::MouseButtonPress, Qt::RightButton, grid.cellRect(13).center());
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, grid.rowRect(1).center());
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, grid.cellRect(35).center());
    mouse(QEvent::MouseButtonDblClick, Qt::RightButton, grid.cellRect(2).center());
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
    EXPECT_EQ(table->indexOfChild(last), CellGrid::Rows + 35);
    EXPECT_EQ(last->parent(), table);
    const QPoint middle = grid.mapToGlobal(grid.cellRect(8).center());
    EXPECT_EQ(table->childAt(middle.x(), middle.y()), table->child(CellGrid::Rows + 8));
}

// Each item is drawn pixel for pixel as the sunken framed text it replaces, enabled or not
// (its disabled picture drawn on the spot or ahead).
TEST_F(CellGridTest, ItemsLookLikeTheFramedTextsTheyReplace)
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("Tahoma"), 8));
    const QColor blue(0xA0, 0xA0, 0xFF), white(0xFF, 0xFF, 0xFF);
    std::vector<CellGrid*> grids;
    for (int g = 0; g < 2; ++g) {
        grids.push_back(new CellGrid(
            {QStringLiteral("OutCardLabel"), QStringLiteral("Card "), 1, QStringLiteral("OutCell")}, &host));
        grids.back()->setCellBackground(13, blue);
        grids.back()->setRowBackground(1, white);
    }
    grids.back()->prepareDisabledLook();
    ClickLabel* cell = makeText(&host, QStringLiteral("OutCell14"), QRect(QPoint(), grids[0]->cellRect(13).size()));
    cell->setText(QStringLiteral("14"));
    cell->setBackground(blue);
    ClickLabel* caption =
        makeText(&host, QStringLiteral("OutCardLabel1"), QRect(QPoint(), grids[0]->rowRect(1).size()));
    caption->setText(QStringLiteral("Card 2"));
    caption->setBackground(white);
    for (bool enabled : {true, false})
        for (CellGrid* painted : grids) {
            host.setEnabled(enabled);
            EXPECT_EQ(opaque(painted->grab(painted->cellRect(13))), opaque(cell->grab())) << enabled;
            EXPECT_EQ(opaque(painted->grab(painted->rowRect(1))), opaque(caption->grab())) << enabled;
            // The gap between two cells is not painted.
            EXPECT_EQ(rendered(*painted).pixelColor(painted->cellRect(13).topRight() + QPoint(1, 0)),
                      QColor(Qt::black));
        }
}

// A panel drawn from its kept frame, in bands, looks as the style draws a group box, in
// either state (its disabled frame drawn on the spot or ahead), after its title changes
// and after it is resized. (Lower than 96 pixels: a taller reference would be filled by
// Qt's thread pool, which ThreadSanitizer cannot follow.)
TEST(Panel, LooksAsTheStyleDrawsAGroupBoxWhateverChanges)
{
    QWidget host;
    host.resize(600, 400);
    auto* panel = new Panel(QStringLiteral("Units"), &host);
    auto* drawnAhead = new Panel(QStringLiteral("Units"), &host);
    auto* plain = new QGroupBox(QStringLiteral("Units"), &host);
    const auto same = [&](const char* when) {
        EXPECT_EQ(panel->grab().toImage(), plain->grab().toImage()) << when;
        EXPECT_EQ(drawnAhead->grab().toImage(), plain->grab().toImage()) << when;
    };
    for (QGroupBox* box : {static_cast<QGroupBox*>(panel), static_cast<QGroupBox*>(drawnAhead), plain})
        box->setGeometry(0, 0, 262, 90);
    same("first paint");
    drawnAhead->prepareDisabledLook();
    host.setEnabled(false);
    same("disabled");
    host.setEnabled(true);
    same("enabled again");
    for (QGroupBox* box : {static_cast<QGroupBox*>(panel), static_cast<QGroupBox*>(drawnAhead), plain}) {
        box->setTitle(QStringLiteral("Music selection"));
        box->resize(300, 80);
    }
    same("new title and size");
}

template <typename T>
T* child(const QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

TEST(PanelWidgetsTest, LevelTagFollowsTheMovedSliderAndHidesAfterItsTime)
{
    QWidget area;
    VoxPanel vox(&area);
    LevelTag tag(&area);
    area.show();
    QSlider* threshold = child<QSlider>(vox, "LevelSliders12");
    threshold->setValue(4);
    tag.showFor(voxThreshold(0), threshold);
    EXPECT_EQ(tag.parentWidget(), &vox); // on the slider's panel, above its handle
    EXPECT_EQ(tag.pos(), QPoint(120 + 3 * 4 + 2, 40 - 16));
    EXPECT_TRUE(tag.isVisible());
    QTimer* timer = child<QTimer>(tag, "TBox");
    ASSERT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(tag.isVisible());
}

TEST(PanelWidgetsTest, StatusBarNoticeStandsInForTheCaptionUntilCleared)
{
    LinkShared shared;
    QMainWindow window;
    auto* bar = new StatusBarPanel(shared, &window);
    window.setStatusBar(bar);
    int noticeChanges = 0;
    QObject::connect(bar, &StatusBarPanel::noticeChanged, [&] { ++noticeChanges; });
    auto* caption = child<QLabel>(*bar, "StatusBar1Panel3");
    const auto shown = [&] { return std::tuple(caption->text(), caption->toolTip()); };

    bar->showCaption(QStringLiteral("Configuration A"), QStringLiteral("a.cfi"));
    EXPECT_EQ(shown(), std::tuple("Configuration A", "a.cfi"));
    bar->showNotice(QStringLiteral("Transfer cancelled"), true, QStringLiteral("why"));
    // a refresh meanwhile keeps the notice
    bar->showCaption(QStringLiteral("Configuration B"), QStringLiteral("b.cfi"));
    EXPECT_EQ(shown(), std::tuple("Transfer cancelled", "why"));
    bar->clearNotice();
    bar->showCaption(QStringLiteral("Configuration B"), QStringLiteral("b.cfi"));
    EXPECT_EQ(shown(), std::tuple("Configuration B", "b.cfi"));
    EXPECT_EQ(noticeChanges, 2);

    // The Cancel button and Esc come and go together (the window's tests click them).
    auto* cancel = child<QToolButton>(*bar, "CancelTransfer");
    auto* esc = child<QAction>(window, "CancelTransferKey");
    for (bool offered : {true, false}) {
        bar->offerCancel(offered);
        EXPECT_EQ(cancel->isHidden(), !offered);
        EXPECT_EQ(esc->isEnabled(), offered);
    }
}

} // namespace
} // namespace q7582::test
