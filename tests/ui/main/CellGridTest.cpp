// The painted 6 x 6 grid: names, hit-testing, clicks, tool tips and the painted colours.

#include "ui/main/CellGrid.h"
#include "ui/main/ClickLabel.h"
#include "ui/main/Widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
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

TEST_F(CellGridTest, NamesAndHitTestingFollowTheCellsLayout)
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
}

TEST_F(CellGridTest, ClicksNameTheirCellAndADoubleClickIsAlsoAPress)
{
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

TEST_F(CellGridTest, EachCellShowsItsOwnToolTip)
{
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
    EXPECT_EQ(grids[0]->cellBackground(13), blue);
    EXPECT_EQ(grids[0]->rowBackground(1), white);
}

TEST_F(CellGridTest, AccessibilityNamesEachCaptionAndCellWhereItLies)
{
    grid.setCellToolTip(0, QStringLiteral("Lobby"));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->childCount(), CellGrid::Rows + CellGrid::Cells);
    QAccessibleInterface* caption = table->child(1);
    QAccessibleInterface* first = table->child(CellGrid::Rows);
    QAccessibleInterface* last = table->child(CellGrid::Rows + 35);
    EXPECT_EQ(caption->text(QAccessible::Name), "InCardLabel1");
    EXPECT_EQ(caption->text(QAccessible::Value), "Card 2");
    EXPECT_EQ(first->text(QAccessible::Name), "InCell1");
    EXPECT_EQ(first->text(QAccessible::Description), "Lobby");
    EXPECT_EQ(last->text(QAccessible::Value), "36");
    EXPECT_EQ(last->rect().topLeft(), grid.mapToGlobal(grid.cellRect(35).topLeft()));
    EXPECT_EQ(table->indexOfChild(last), CellGrid::Rows + 35);
    EXPECT_EQ(last->parent(), table);
    const QPoint middle = grid.mapToGlobal(grid.cellRect(8).center());
    EXPECT_EQ(table->childAt(middle.x(), middle.y()), table->child(CellGrid::Rows + 8));
}

} // namespace
} // namespace q7582::test
