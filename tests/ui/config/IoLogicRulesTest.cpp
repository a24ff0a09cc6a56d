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
}

TEST(IoLogicCells, InputAndOutputClicksToggleLogicAndDropEdges)
{
    Byte a = 0x20 | 0x05; // falling edge
    EXPECT_EQ(showInput(a), (InputShown{CellColour::White, false, true, 5}));
    EXPECT_EQ(toggleInputLogic(a, CellColour::White), CellColour::Green);
    EXPECT_EQ(a, 0x05);
    EXPECT_EQ(toggleInputLogic(a, CellColour::Green), CellColour::Red);
    EXPECT_EQ(a, 0x0D);
    EXPECT_EQ(showInput(a), (InputShown{CellColour::Red, false, false, 5}));
    EXPECT_EQ(toggleInputLogic(a, CellColour::Red), CellColour::Green);
    EXPECT_EQ(a, 0x05);

    EXPECT_EQ(toggleOutputLogic(a, CellColour::Green), CellColour::Red);
    EXPECT_EQ(a, 0x85);
    EXPECT_EQ(outputColour(a), CellColour::Red);
    EXPECT_EQ(toggleOutputLogic(a, CellColour::Red), CellColour::Green);
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

TEST(IoLogicColumns, ContactTogglesSetAllWhenNoneThenClearAll)
{
    ConfigImage image;
    ioLine(image, 2) |= IoLine::InputNegative;
    ioLine(image, 8) |= IoLine::InputNegative;
    ioLine(image, 11) = 0x10; // rising edge keeps its edge
    toggleInContacts(image);
    for (int k = 0; k < IoLineCount; ++k)
        EXPECT_FALSE(IoLine::inputNegative(ioLine(image, k))) << k;
    toggleInContacts(image);
    for (int k = 0; k < IoLineCount; ++k)
        EXPECT_TRUE(IoLine::inputNegative(ioLine(image, k))) << k;
    EXPECT_EQ(ioLine(image, 11), 0x18);
    EXPECT_EQ(showInput(ioLine(image, 11)).cell, CellColour::White);

    toggleOutContacts(image);
    EXPECT_EQ(ioLine(image, 35) & 0x80, 0x80);
    toggleOutContacts(image);
    EXPECT_EQ(ioLine(image, 0) & 0x80, 0);
    // Only the 36 bytes of the table are written.
    EXPECT_EQ(image.bytes[ConfigImage::Uninterpreted2At], 0);
}

} // namespace
} // namespace q7582
