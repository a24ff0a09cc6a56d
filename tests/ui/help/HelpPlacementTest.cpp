#include "ui/help/HelpPlacement.h"

#include <gtest/gtest.h>

using namespace q7582;

namespace {

const QRect Screen(0, 0, 1920, 1040); // 1920 x 1080 less a panel
const QSize Help(560, 510);

} // namespace

TEST(HelpPlacement, BesideTheMainWindowRightThenLeftThenOverButAlwaysOnScreen)
{
    // Room on the right: beside it, top edges level.
    const QRect main(100, 50, 850, 680);
    EXPECT_EQ(helpPlacement::beside(Help, main, Screen), QRect(QPoint(958, 50), Help));

    // No room on the right: on the left.
    const QRect rightHalf(1000, 50, 850, 680);
    EXPECT_EQ(helpPlacement::beside(Help, rightHalf, Screen), QRect(QPoint(432, 50), Help));

    // Room on neither side: over the window's right part, wholly on screen.
    const QRect wide(200, 600, 1600, 700);
    const QRect over = helpPlacement::beside(Help, wide, Screen);
    EXPECT_TRUE(Screen.contains(over));
    EXPECT_EQ(over.right(), wide.right());
    EXPECT_EQ(over.bottom(), Screen.bottom());

    // A second screen to the right of the first: its own edges count, not zero.
    const QRect second(1920, 0, 1280, 1000);
    const QRect onSecond = helpPlacement::beside(Help, QRect(2600, 100, 500, 400), second);
    EXPECT_TRUE(second.contains(onSecond));
    EXPECT_EQ(onSecond.topLeft(), QPoint(2600 - 8 - 560, 100));
}

TEST(HelpPlacement, OverAModalCallerAndNeverOffScreen)
{
    // Inside the caller's top right corner, its title bar left in sight.
    const QRect editor(300, 200, 850, 450);
    const QRect over = helpPlacement::over(Help, editor, Screen);
    EXPECT_EQ(over.right(), editor.right() - 32);
    EXPECT_EQ(over.top(), editor.top() + 32);

    // A caller at the screen's bottom right corner pushes it back on screen.
    const QRect corner = helpPlacement::over(Help, QRect(1700, 900, 600, 400), Screen);
    EXPECT_TRUE(Screen.contains(corner));
    EXPECT_EQ(corner.size(), Help);

    // A window larger than the screen is cut to it; one above or left of it comes back.
    EXPECT_EQ(helpPlacement::onScreen(QRect(-50, -20, 2400, 1200), Screen), Screen);
    EXPECT_EQ(helpPlacement::onScreen(QRect(-50, -20, 100, 100), Screen), QRect(0, 0, 100, 100));
}
