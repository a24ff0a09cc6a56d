#include "EditorFixture.h"

#include "ui/config/IoLogicRules.h"

#include <QToolButton>

namespace q7582 {
namespace {

using IoLogicPageTest = EditorFixture;

TEST_F(IoLogicPageTest, EdgeButtonsCellsAndColumnTogglesEditTheTable)
{
    ioLine(image, 2) = 0x08;
    ioLine(image, 8) = 0x08;
    form->prepareShow();
    page(PageInOut);
    EXPECT_EQ(cell("InCell0")->colour(), CellColour::Green);
    EXPECT_EQ(cell("InCell2")->colour(), CellColour::Red);
    EXPECT_EQ(cell("OutCell35")->colour(), CellColour::Green);
    EXPECT_FALSE(modified());

    auto* rise = child<QToolButton>("RiseButton2");
    rise->click();
    EXPECT_EQ(cell("InCell2")->colour(), CellColour::White);
    child<QToolButton>("FallButton2")->click();
    EXPECT_EQ(IoLine::transition(ioLine(work(), 2)), 3);
    EXPECT_TRUE(modified());
    press(cell("InCell2")); // a white cell goes back to positive level
    EXPECT_FALSE(rise->isChecked());
    EXPECT_EQ(ioLine(work(), 2), 0x01);
    press(cell("PriorityBox4"));
    EXPECT_EQ(IoLine::priority(ioLine(work(), 4)), 2);

    press(cell("InContact")); // input 9 still negative: all become positive
    EXPECT_EQ(cell("InCell8")->colour(), CellColour::Green);
    press(cell("InContact"));
    EXPECT_EQ(cell("InCell35")->colour(), CellColour::Red);
    press(cell("OutContact"));
    EXPECT_EQ(cell("OutCell0")->colour(), CellColour::Red);
    EXPECT_TRUE(IoLine::outputNegative(ioLine(work(), 20)));
    press(cell("OutCell0"));
    EXPECT_FALSE(IoLine::outputNegative(ioLine(work(), 0)));
}

TEST(IoLogicRules, ReleasingOneEdgeKeepsTheOtherAndPriorityWrapsAfterSeven)
{
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

} // namespace
} // namespace q7582
