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
    form->FormShow();
    page(PageInOut);
    EXPECT_EQ(cell("InCell0")->colour(), CellColour::Green);
    EXPECT_EQ(cell("InCell2")->colour(), CellColour::Red);
    EXPECT_EQ(cell("PriorityBox0")->text(), "1");
    EXPECT_EQ(cell("OutCell35")->colour(), CellColour::Green);
    EXPECT_FALSE(modified());

    auto* rise = child<QToolButton>("RiseButton2");
    auto* fall = child<QToolButton>("FallButton2");
    rise->click();
    EXPECT_EQ(cell("InCell2")->colour(), CellColour::White);
    fall->click();
    EXPECT_EQ(IoLine::transition(ioLine(work(), 2)), 3);
    rise->click();
    EXPECT_EQ(IoLine::transition(ioLine(work(), 2)), 2);
    EXPECT_EQ(cell("InCell2")->colour(), CellColour::White);
    fall->click();
    EXPECT_EQ(cell("InCell2")->colour(), CellColour::Green);
    EXPECT_EQ(ioLine(work(), 2), 0x01);
    EXPECT_TRUE(modified());

    rise->click();
    press(cell("InCell2")); // a white cell goes back to positive level
    EXPECT_FALSE(rise->isChecked());
    EXPECT_EQ(ioLine(work(), 2), 0x01);
    press(cell("PriorityBox4"));
    EXPECT_EQ(IoLine::priority(ioLine(work(), 4)), 2);

    press(cell("InContact")); // input 9 still negative: all become positive
    for (int k = 0; k < IoLineCount; ++k)
        EXPECT_EQ(cell(QString("InCell%1").arg(k))->colour(), CellColour::Green) << k;
    press(cell("InContact"));
    EXPECT_EQ(cell("InCell35")->colour(), CellColour::Red);
    press(cell("OutContact"));
    EXPECT_EQ(cell("OutCell0")->colour(), CellColour::Red);
    EXPECT_TRUE(IoLine::outputNegative(ioLine(work(), 20)));
    press(cell("OutCell0"));
    EXPECT_FALSE(IoLine::outputNegative(ioLine(work(), 0)));
}

} // namespace
} // namespace q7582
