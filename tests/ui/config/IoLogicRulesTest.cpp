#include "ui/config/IoLogicRules.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

TEST(IoLogicEdges, RisingThenFallingGivesBothAndReleasingReturnsToPositiveLevel)
{
    Byte a = 0x08 | 0x03 | 0x40; // negative level, priority 3, bit 6 preserved
    EXPECT_EQ(risingEdge(a, true, false), CellColour::White);
    EXPECT_EQ(a, 0x10 | 0x03 | 0x40); // logic bit cleared with the edge
    EXPECT_EQ(fallingEdge(a, true, true), CellColour::White);
    EXPECT_EQ(IoLine::transition(a), 3);
    EXPECT_EQ(risingEdge(a, false, true), std::nullopt); // falling still down: stays white
    EXPECT_EQ(IoLine::transition(a), 2);
    EXPECT_EQ(fallingEdge(a, false, false), CellColour::Green);
    EXPECT_EQ(a, 0x03 | 0x40);

    a = 0x25; // a white (edge) input clicked: positive level, no edge
    EXPECT_EQ(toggleInputLogic(a, CellColour::White), CellColour::Green);
    EXPECT_EQ(a, 0x05);
}

TEST(IoLogicPriority, ZeroShowsAsOneAndTheBoxCyclesOneToSeven)
{
    Byte a = 0x80;
    EXPECT_EQ(showInput(a).priority, 1);
    EXPECT_EQ(a, 0x81); // written back
    int shown = 1;
    std::vector<int> seen;
    for (int i = 0; i < 7; ++i)
        seen.push_back(shown = stepPriority(a, shown));
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 5, 6, 7, 1}));
    EXPECT_EQ(a, 0x81);
}

} // namespace
} // namespace q7582
