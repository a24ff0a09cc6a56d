#include "reports/ConfigurationComparison.h"
#include "ReportFixtures.h"
#include "model/DefaultConfiguration.h"

#include <gtest/gtest.h>
#include <random>

namespace q7582 {
namespace {

class ConfigurationComparisonTest : public ::testing::Test {
protected:
    ConfigurationComparison compare() const
    {
        return compareConfigurations({from, QStringLiteral("site.cfi")}, {to, QStringLiteral("memory")}, names);
    }

    ConfigImage from, to;
    NameTables names;
};

void setTimer(TimerEventRecord timer, const ClockTime& start, Byte days, Byte message)
{
    timer.setStartTime(start);
    timer.setRepeatDays(days);
    timer.setMessageEvent(0, message);
    timer.setPriority(3);
    timer.setEnabled(true);
}

} // namespace

TEST_F(ConfigurationComparisonTest, NamesOneChangedItemOfEachKindOutOfRangeAsInvalidAndNothingElse)
{
    names.units[7] = "Desk lobby";
    from.key(7, 3).zones().set(0, 7);
    to.key(7, 3).zones().set(0, 12);
    to.key(7, 3).zones().set(0, 13);
    to.key(7, 3).zones().set(5, 1);
    to.messageEvent(5).setMessageNumber(7);
    to.outEvent(2).affects().set(1, 7);
    to.outEvent(2).states().set(1, 7);
    from.vox(2).setVoxPriority(2);
    to.vox(2).setVoxPriority(4);
    to.ioLineAttribute(1, 2) = 0x10; // rising edge
    setTimer(from.timer(3), {2026, 6, 1, 8, 0, 0, 1}, 0x01, 4);
    setTimer(to.timer(3), {2026, 6, 1, 8, 0, 0, 1}, 0x03, 4);
    setTimer(to.timer(9), {2026, 6, 1, 9, 30, 0, 1}, 0x7F, 2);
    to.bytes[0x7E00] = 0x55;
    to.key(0, 0).setMessageNumber(200); // out of range: shown as invalid
    to.messageEvent(1).setOutputEvent(70);
    to.timer(1).setMessageEvent(0, 1);
    to.timer(1).data()[ConstTimerEventRecord::Start + Bcd::Month] = 0x13;

    const ConfigurationComparison result = compare();
    const QStringList text = texts(result.report);
    EXPECT_EQ(text.mid(0, 3), (QStringList{"Configuration comparison", "From: site.cfi", "To: memory"}));
    for (const char* expected : {
             "Desk lobby (8), Key 4: Master 0 zones +12 +13 −7; Master 5 zones +1",
             "Message event 5: message None → 7",
             "Out event 2: Master 1 out 7 unaffected → activated",
             "VOX2: priority 2 → 4",
             "Input 9 (Card 2): transition - → R",
             "Timer event 3: repetition Weekly event (Mon) → Weekly event (Mon, Tue)",
             "Timer event 9: added: repetition Daily event, start 01/06/2026 09:30.00, period 0 sec., stop time "
             "none, priority 3, enable ON, messages 2, output event none, transition -",
             "0x7E00: 1 byte differs (not interpreted)",
             "Unit (1), Key/input 1: message None → 200 (invalid)",
             "Message event 1: output event None → 70 (invalid)",
         })
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.join('\n').toStdString();
    EXPECT_TRUE(text.filter("Timer event 1: added: ").value(0).contains("00/13/2000 (invalid)"));
    EXPECT_EQ(result.differences, 11);
    EXPECT_EQ(text.last(), "11 differences");
    for (const char* section :
         {"Units", "Message events", "Out events", "VOX", "IN/OUT logic", "Timer events", "Other bytes"})
        EXPECT_TRUE(text.contains(section)) << section;
}

// Whatever bit changes, some line says so: a sample of bits over the whole image, and
// two images that differ everywhere. An image compared with itself says so.
TEST_F(ConfigurationComparisonTest, NoChangedBitIsHiddenAndNoChangeIsSaid)
{
    buildDefaultConfiguration(from, 3);
    to = from;
    EXPECT_EQ(compare().differences, 0);
    EXPECT_EQ(texts(compare().report).mid(3), (QStringList{"", "The two configurations are the same."}));
    for (int at = 0; at < ConfigImage::Size; at += 13) {
        to = from;
        to.bytes[std::size_t(at)] ^= Byte(1u << (at % 8));
        ASSERT_GT(compare().differences, 0) << "offset " << at << " bit " << at % 8;
    }
    std::mt19937 rng(7);
    for (Byte& b : to.bytes)
        b = Byte(rng());
    EXPECT_GT(compare().differences, 1000);
}

} // namespace q7582
