#include "ui/config/DialogAnswers.h"
#include "ui/config/GridRules.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

TEST(GridCellClick, ZonePagesCycleWhiteGreenWhiteAndFollowTheBit)
{
    ConfigImage image;
    const GridTarget t = GridTarget::zones(image.key(3, 5).zones());
    CellColour c = cellColour(t, 2, 12);
    EXPECT_EQ(c, CellColour::White);
    c = clickCell(t, 2, 12, c);
    EXPECT_EQ(c, CellColour::Green);
    EXPECT_TRUE(image.key(3, 5).zones().test(2, 13));
    EXPECT_EQ(cellColour(t, 2, 12), CellColour::Green);
    c = clickCell(t, 2, 12, c);
    EXPECT_EQ(c, CellColour::White);
    EXPECT_EQ(image, ConfigImage{}); // back to what it was
}

TEST(GridCellClick, OutEventCyclesWhiteGreenRedWhiteWithStateAndAffectBits)
{
    ConfigImage image;
    OutEventRecord r = image.outEvent(7);
    const GridTarget t = GridTarget::outEvent(r);
    CellColour c = clickCell(t, 1, 35, CellColour::White);
    EXPECT_EQ(c, CellColour::Green);
    EXPECT_TRUE(r.affects().test(1, 36));
    EXPECT_TRUE(r.states().test(1, 36));
    c = clickCell(t, 1, 35, c);
    EXPECT_EQ(c, CellColour::Red);
    EXPECT_TRUE(r.affects().test(1, 36));
    EXPECT_FALSE(r.states().test(1, 36));
    EXPECT_EQ(cellColour(t, 1, 35), CellColour::Red);
    c = clickCell(t, 1, 35, c);
    EXPECT_EQ(c, CellColour::White);
    EXPECT_EQ(image, ConfigImage{});

    // A state bit without its affect bit shows unaffected.
    r.states().set(0, 1);
    EXPECT_EQ(cellColour(t, 0, 0), CellColour::White);
}

TEST(GridCellClick, ResetAlternatesGreenAndRedOnTheStateBitOnly)
{
    ConfigImage image;
    const GridTarget t = GridTarget::reset(image.resetOutEvent());
    EXPECT_EQ(cellColour(t, 5, 0), CellColour::Red); // every output affected
    CellColour c = clickCell(t, 5, 0, CellColour::Red);
    EXPECT_EQ(c, CellColour::Green);
    EXPECT_TRUE(image.resetOutEvent().states().test(5, 1));
    c = clickCell(t, 5, 0, c);
    EXPECT_EQ(c, CellColour::Red);
    EXPECT_EQ(image, ConfigImage{});
}

TEST(GridRowToggle, SetsAllUnlessFullThenClearsAndLeavesOutEventsAlone)
{
    ConfigImage image;
    ZoneSet zones = image.messageEvent(4).zones();
    for (int z = 1; z <= 36; ++z)
        if (z != 17)
            zones.set(3, z);
    const GridTarget t = GridTarget::zones(zones);
    ASSERT_TRUE(toggleRow(t, 3));
    const Byte* mask = zones.mask(3);
    EXPECT_EQ(std::vector<Byte>(mask, mask + 5), (std::vector<Byte>{0xFF, 0xFF, 0xFF, 0xFF, 0x0F}));
    ASSERT_TRUE(toggleRow(t, 3));
    EXPECT_EQ(std::vector<Byte>(mask, mask + 5), (std::vector<Byte>(5, 0)));
    EXPECT_FALSE(zones.test(2, 1)); // other masters untouched

    EXPECT_FALSE(toggleRow(GridTarget::outEvent(image.outEvent(1)), 0));
    EXPECT_FALSE(toggleRow(GridTarget::reset(image.resetOutEvent()), 0));
    image.messageEvent(4).zones().clearAll(3);
    EXPECT_EQ(image, ConfigImage{});
}

TEST(GridBoxes, TextsPrefillsAndSilentRepairs)
{
    EXPECT_EQ(messageNumberText(0), "None");
    EXPECT_EQ(messageNumberText(127), "127");
    EXPECT_EQ(outputEventText(0), "None");
    EXPECT_EQ(outputEventText(63), "63");
    EXPECT_EQ(outputEventText(64), "Master");
    EXPECT_EQ(outputEventText(65), "System");
    EXPECT_TRUE(outputEventOnRed(64));
    EXPECT_FALSE(outputEventOnRed(63));
    EXPECT_EQ(outputEventPrefill("System"), "65");
    EXPECT_EQ(outputEventPrefill("None"), "0");
    EXPECT_EQ(messageNumberPrefill("None"), "0");

    ConfigImage image;
    KeyRecord key = image.key(0, 0);
    key.setMessageNumber(200);
    key.setOutputEvent(66);
    EXPECT_TRUE(repairMessageNumber(key));
    EXPECT_TRUE(repairOutputEvent(key));
    EXPECT_EQ(key.messageNumber(), 0);
    EXPECT_EQ(key.outputEvent(), 0);
    key.setMessageNumber(127);
    key.setOutputEvent(65);
    EXPECT_FALSE(repairMessageNumber(key));
    EXPECT_FALSE(repairOutputEvent(key));

    VoxRecord vox = image.vox(2);
    EXPECT_TRUE(repairVoxPriority(vox));
    EXPECT_EQ(vox.voxPriority(), 1);
    vox.setVoxPriority(8);
    EXPECT_TRUE(repairVoxPriority(vox));
    vox.setVoxPriority(7);
    EXPECT_FALSE(repairVoxPriority(vox));

    Byte* out = image.outEvent(63).data();
    out[0x1E] = 0x12;
    out[0x1F] = 0x34;
    out[0x3E] = 0xAB; // the last two bytes are the device's
    EXPECT_TRUE(clearOutEventNumbers(out));
    EXPECT_EQ(out[0x1E], 0);
    EXPECT_EQ(out[0x1F], 0);
    EXPECT_EQ(out[0x3E], 0xAB);
    EXPECT_FALSE(clearOutEventNumbers(out));
}

TEST(DialogAnswers, OnlyAsciiDigitsWithinTheRangeAreAccepted)
{
    EXPECT_EQ(acceptMessageNumber("12a"), std::nullopt);
    EXPECT_EQ(acceptMessageNumber("128"), std::nullopt);
    EXPECT_EQ(acceptMessageNumber("007"), 7);
    EXPECT_EQ(acceptMessageNumber(""), 0);
    EXPECT_EQ(acceptMessageNumber(" 7"), std::nullopt);
    EXPECT_EQ(acceptMessageNumber("-1"), std::nullopt);
    EXPECT_EQ(acceptMessageNumber(QString::fromUtf8("\u0667")), std::nullopt); // Arabic-Indic seven
    EXPECT_EQ(acceptMessageNumber("99999999999999999999"), std::nullopt);
    EXPECT_EQ(acceptPriority("0"), std::nullopt);
    EXPECT_EQ(acceptPriority(""), std::nullopt);
    EXPECT_EQ(acceptPriority("7"), 7);
    EXPECT_EQ(acceptPriority("8"), std::nullopt);
    EXPECT_EQ(acceptOutputEvent("65"), 65);
    EXPECT_EQ(acceptOutputEvent("66"), std::nullopt);
    EXPECT_EQ(acceptPeriod("0", 43200), 0);
    EXPECT_EQ(acceptPeriod("9", 43200), std::nullopt);
    EXPECT_EQ(acceptPeriod("10", 43200), 10);
    EXPECT_EQ(acceptPeriod("43200", 43200), 43200);
    EXPECT_EQ(acceptPeriod("43201", 43200), std::nullopt);
}

} // namespace
} // namespace q7582
