#include "ui/config/GridRules.h"
#include "../../reports/ReportFixtures.h"
#include "model/DefaultConfiguration.h"
#include "ui/config/DialogAnswers.h"
#include "ui/config/IoLogicRules.h"
#include "ui/config/Listings.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace q7582 {
namespace {

// Clicks a cell n times from the colour the record gives it; returns the colours seen.
std::vector<CellColour> clicks(const GridTarget& t, int m, int z, int n)
{
    std::vector<CellColour> seen;
    CellColour c = cellColour(t, m, z);
    for (int i = 0; i < n; ++i)
        seen.push_back(c = clickCell(t, m, z, c));
    return seen;
}

TEST(GridClicks, EachPageCyclesItsColoursAndRowsAndLeavesTheMatchingBits)
{
    using C = CellColour;
    ConfigImage image;
    const GridTarget zones = GridTarget::zones(image.key(3, 5).zones());
    EXPECT_EQ(clicks(zones, 2, 12, 2), (std::vector<C>{C::Green, C::White}));

    OutEventRecord out = image.outEvent(7);
    const GridTarget outEvent = GridTarget::outEvent(out);
    EXPECT_EQ(clicks(outEvent, 1, 35, 2), (std::vector<C>{C::Green, C::Red}));
    EXPECT_TRUE(out.affects().test(1, 36));
    EXPECT_FALSE(out.states().test(1, 36));
    EXPECT_EQ(clicks(outEvent, 1, 35, 1), (std::vector<C>{C::White}));
    out.states().set(0, 1); // a state bit without its affect bit shows unaffected
    EXPECT_EQ(cellColour(outEvent, 0, 0), C::White);
    out.states().clear(0, 1);

    const GridTarget reset = GridTarget::reset(image.resetOutEvent());
    EXPECT_EQ(clicks(reset, 5, 0, 3), (std::vector<C>{C::Green, C::Red, C::Green})); // from red: all affected
    clicks(reset, 5, 0, 1);

    // A row sets all its zones unless all are set, then clears them; none past zone 36.
    ZoneSet row = image.messageEvent(4).zones();
    ASSERT_TRUE(toggleRow(GridTarget::zones(row), 3));
    const Byte* mask = row.mask(3);
    EXPECT_EQ(std::vector<Byte>(mask, mask + 5), (std::vector<Byte>{0xFF, 0xFF, 0xFF, 0xFF, 0x0F}));
    ASSERT_TRUE(toggleRow(GridTarget::zones(row), 3));
    EXPECT_FALSE(toggleRow(reset, 0));
    EXPECT_EQ(image, ConfigImage{}); // every cycle ended where it began
}

TEST(GridBoxes, PrefillsAndTheRepairsLeaveValidValuesAndTheDeviceBytes)
{
    EXPECT_EQ(QStringList({outputEventPrefill("System"), outputEventPrefill("Master"), messageNumberPrefill("None")}),
              QStringList({"65", "64", "0"}));

    ConfigImage image;
    KeyRecord key = image.key(0, 0);
    key.setMessageNumber(127);
    key.setOutputEvent(65);
    EXPECT_EQ(std::pair(repairMessageNumber(key), repairOutputEvent(key)), std::pair(false, false));
    VoxRecord vox = image.vox(2);
    vox.setVoxPriority(8);
    EXPECT_TRUE(repairVoxPriority(vox));
    EXPECT_EQ(vox.voxPriority(), 1);

    Byte* out = image.outEvent(63).data();
    out[0x1E] = 0x12;
    out[0x3E] = 0xAB; // the last two bytes are the device's
    EXPECT_TRUE(clearOutEventNumbers(out));
    EXPECT_EQ(std::pair(out[0x1E], out[0x3E]), std::pair(Byte(0), Byte(0xAB)));
}

// A refused entry says why. The editor's tests take "007", "", "128", priority 8, output
// event 66 and period 43201 through its dialogs.
TEST(DialogAnswers, OnlyAsciiDigitsWithinTheRangeAreAcceptedAndARefusalSaysWhy)
{
    EXPECT_EQ(acceptPeriod("0", 43200), 0);
    // "\u0667" is an Arabic-Indic seven.
    for (const char* refused : {"12a", "\u0667", "99999999999999999999"})
        EXPECT_EQ(acceptMessageNumber(QString::fromUtf8(refused)), std::nullopt) << refused;
    EXPECT_EQ(std::tuple(acceptPriority(""), acceptPriority("0"), acceptPeriod("9", 43200)),
              std::tuple(std::nullopt, std::nullopt, std::nullopt));
    EXPECT_EQ(
        QStringList({numberRefusal("12a", 0, 127), numberRefusal("", 1, 7),
                     numberRefusal("99999999999999999999", 0, 127), periodRefusal("5", 43200)}),
        QStringList({"'12a' is not a whole number.", "0 is less than 1.", "99999999999999999999 is more than 127.",
                     "5 is less than 10. 0 makes the event not periodic."}));
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

// The default configuration matches nothing; a crafted one lists each match character for character.
TEST(ConsistencyListings, DefaultMatchesNothingAndACraftedImageListsEachMatch)
{
    NameTables names;
    ConfigImage image;
    const auto listings = [&] {
        return std::vector{keysWithEventsListing(image, names), keysWithoutZonesListing(image, names),
                           messageEventsWithOutputListing(image), messageEventsIncompleteListing(image),
                           programmedTimersListing(image)};
    };
    buildDefaultConfiguration(image, 3);
    const std::vector<Report> none = listings();
    const char* const titles[] = {"Keys and inputs with message or output event associated",
                                  "Keys and inputs with no zones associated",
                                  "Message events with output event associated",
                                  "Message events with no messages or zones associated", "Programmed timer events"};
    for (int i = 0; i < 5; ++i) // the caption, then the lines
        EXPECT_EQ(QStringList(none[i].caption) + texts(none[i]),
                  (QStringList{titles[i], titles[i], "", "No match found"}));

    names.units[3] = "Desk hall";
    buildDefaultConfiguration(image, 0);
    image.key(3, 11).setMessageNumber(7);
    image.key(3, 11).setOutputEvent(65);
    image.key(8, 0).setOutputEvent(12);
    image.key(15, ConfigImage::AllEsp2Key).setMessageNumber(127);
    // Unit 9 left empty: all 39 records listed; a single bit 36..39 still counts as a zone.
    for (int k = 0; k < ConfigImage::KeysPerUnit; ++k)
        image.key(9, k).zones().clearAll(0);
    image.key(9, 4).zones().mask(5)[4] = 0x10;

    image.messageEvent(1).setOutputEvent(64);
    image.messageEvent(2).setMessageNumber(0);
    image.messageEvent(3).zones().clearAll(0);
    image.messageEvent(127).setMessageNumber(0);
    image.messageEvent(127).zones().clearAll(0);

    image.timer(3).setMessageEvent(2, 4); // first slot empty, no output event: not programmed
    image.timer(4).setMessageEvent(2, 4);
    image.timer(4).setOutputEvent(12);
    image.timer(9).setMessageEvent(0, 1);
    image.timer(9).setEnabled(true);

    const std::vector<Report> found = listings();
    EXPECT_EQ(texts(found[0]).mid(2),
              (QStringList{"Desk hall (4) - Key 12 - message 7 - output event 65",
                           "Unit (9) - Key/input 1 - output event 12", "Unit (16) - ALL Esp. 2 - message 127"}));

    const QStringList empty = texts(found[1]);
    ASSERT_EQ(empty.size(), 2 + 38);
    EXPECT_EQ(empty.mid(6, 2), (QStringList{"Unit (10) - Key/input 6", "Unit (10) - Key 7"}));

    EXPECT_EQ(texts(found[2]).mid(2), (QStringList{"Message event 1 - output event 64"}));
    EXPECT_EQ(texts(found[3]).mid(2), (QStringList{"Message event 2 - NO message", "Message event 3 - NO zones",
                                                   "Message event 127 - NO message - NO zones"}));
    EXPECT_EQ(texts(found[4]).mid(2),
              (QStringList{"Timer event 4 - output event 12 - message list EMPTY - timer DISABLED",
                           "Timer event 9 - NO output event  - message events in list - timer enabled"}));
}

} // namespace
} // namespace q7582
