// Where a zone, an output or an input is used, in the editor's names.

#include "reports/WhereUsed.h"

#include <gtest/gtest.h>

namespace q7582 {
namespace {

TEST(WhereUsed, ListsEveryRecordThatSelectsTheItemAndWhatStartsIt)
{
    ConfigImage image;
    image.key(0, 2).zones().set(1, 14);  // Unit 1, Key/input 3
    image.key(9, 20).zones().set(1, 14); // Unit 10, Key 21
    image.key(9, 21).zones().set(0, 14); // another master's zone 14
    image.messageEvent(4).zones().set(1, 14);
    image.vox(2).zones().set(1, 14);
    image.timer(7).setMessageEvent(0, 4);
    image.timer(8).setMessageEvent(0, 5); // a message event that pages elsewhere
    image.outEvent(12).affects().set(2, 7);
    image.outEvent(12).states().set(2, 7);
    image.outEvent(13).affects().set(2, 8);
    image.key(3, 36).setOutputEvent(12); // Unit 4, PTT/Lock
    image.messageEvent(4).setOutputEvent(13);
    image.timer(9).setOutputEvent(12);
    image.ioLineAttribute(1, 0) = IoLine::OutputNegative | IoLine::InputNegative | 3 | 0x10;
    image.key(1, 0).setMessageNumber(9); // Unit 2, Key/input 1: input 7
    image.key(1, 0).zones().set(4, 1);
    image.key(1, 0).zones().set(4, 36);
    const NameTables names;
    const QString output7 = "Out event 12: activated | RESET out event: deactivated | Unit (4), PTT/Lock: output "
                            "event 12 | Timer event 9: output event 12";
    const struct {
        UsedItem item;
        std::optional<int> own; // the image's master
        QString lines;
        const char* total;
    } cases[] = {
        {{UsedKind::Zone, 1, 14},
         std::nullopt,
         "Unit (1), Key/input 3 | Unit (10), Key 21 | Message event 4 | VOX2 | Timer event 7: message event 4",
         "5 uses"},
        {{UsedKind::Zone, 3, 14}, std::nullopt, "", "Used nowhere."},
        {{UsedKind::Output, 2, 7}, 2, output7 + " | Output 7 (Card 2): logic L", "5 uses"},
        {{UsedKind::Output, 2, 7}, 0, output7, "4 uses"}, // another master's cards
        {{UsedKind::Input, 0, 7},
         std::nullopt,
         "Unit (2), Key/input 1: Master 4 zones 1 36; message 9 | Input 7 (Card 2): priority 3, logic L, transition R",
         "2 uses"},
    };
    for (const auto& c : cases) {
        const WhereUsed used = whereUsed(image, c.item, names, c.own);
        EXPECT_EQ(used.lines.join(" | "), c.lines) << used.lines.join(" | ").toStdString();
        EXPECT_EQ(used.report.lines.back().text, c.total);
    }
}

} // namespace
} // namespace q7582
