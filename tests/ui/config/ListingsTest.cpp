#include "ui/config/Listings.h"
#include "../../reports/ReportFixtures.h"
#include "model/DefaultConfiguration.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

TEST(ConsistencyListings, DefaultConfigurationMatchesNothing)
{
    const NameTables names;
    ConfigImage image;
    buildDefaultConfiguration(image, 3);
    const Report reports[] = {keysWithEventsListing(image, names), keysWithoutZonesListing(image, names),
                              messageEventsWithOutputListing(image), messageEventsIncompleteListing(image),
                              programmedTimersListing(image)};
    const char* const titles[] = {"Keys and inputs with message or output event associated",
                                  "Keys and inputs with no zones associated",
                                  "Message events with output event associated",
                                  "Message events with no messages or zones associated", "Programmed timer events"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(reports[i].caption, titles[i]);
        EXPECT_EQ(texts(reports[i]), (QStringList{titles[i], "", "No match found"}));
    }
    const Report& r = reports[0];
    EXPECT_EQ(std::vector({r.lines[0].style, r.lines[1].style, r.lines[2].style}),
              std::vector({ReportStyle::Title, ReportStyle::Title, ReportStyle::Body}));
}

TEST(ConsistencyListings, CraftedImageListsEachMatchCharacterForCharacter)
{
    NameTables names;
    names.units[3] = "Desk hall";
    ConfigImage image;
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

    const QStringList events = texts(keysWithEventsListing(image, names));
    EXPECT_EQ(events.mid(2),
              (QStringList{"Desk hall (4) - Key 12 - message 7 - output event 65",
                           "Unit (9) - Key/input 1 - output event 12", "Unit (16) - ALL Esp. 2 - message 127"}));

    const QStringList empty = texts(keysWithoutZonesListing(image, names));
    ASSERT_EQ(empty.size(), 2 + 38);
    EXPECT_EQ(empty.mid(6, 2), (QStringList{"Unit (10) - Key/input 6", "Unit (10) - Key 7"}));
    EXPECT_EQ(empty.last(), "Unit (10) - ALL Esp. 2");

    EXPECT_EQ(texts(messageEventsWithOutputListing(image)).mid(2), (QStringList{"Message event 1 - output event 64"}));
    EXPECT_EQ(texts(messageEventsIncompleteListing(image)).mid(2),
              (QStringList{"Message event 2 - NO message", "Message event 3 - NO zones",
                           "Message event 127 - NO message - NO zones"}));
    EXPECT_EQ(texts(programmedTimersListing(image)).mid(2),
              (QStringList{"Timer event 4 - output event 12 - message list EMPTY - timer DISABLED",
                           "Timer event 9 - NO output event  - message events in list - timer enabled"}));
}

} // namespace
} // namespace q7582
