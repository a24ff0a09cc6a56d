// Every accessor against the offset and bits the device uses: a write through the
// accessor must change exactly the listed bytes of an all-zero block, and bytes placed
// at the listed offset must read back through the accessor.
#include "model/ConfigImage.h"
#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace q7582;

namespace {

template <typename Block>
struct WriteCase {
    const char* field;
    std::function<void(Block&)> write;
    int offset;
    std::vector<Byte> bytes;
};

template <typename Block>
struct ReadCase {
    const char* field;
    int offset;
    std::vector<Byte> bytes;
    std::function<long long(const Block&)> read;
    long long expected;
};

template <typename Block>
void checkWrites(const std::vector<WriteCase<Block>>& cases)
{
    for (const auto& c : cases) {
        Block block;
        c.write(block);
        Block expected;
        std::copy(c.bytes.begin(), c.bytes.end(), expected.bytes.begin() + c.offset);
        EXPECT_TRUE(block.bytes == expected.bytes) << c.field;
    }
}

template <typename Block>
void checkReads(const std::vector<ReadCase<Block>>& cases)
{
    for (const auto& c : cases) {
        Block block;
        std::copy(c.bytes.begin(), c.bytes.end(), block.bytes.begin() + c.offset);
        EXPECT_EQ(c.read(block), c.expected) << c.field;
    }
}

} // namespace

TEST(Layout, StatusBlockFieldsSitWhereTheMasterPutsThem)
{
    using S = StatusBlock;
    checkWrites<S>({
        {"speechLevel", [](S& s) { s.setSpeechLevel(7); }, 0x00, {7}},
        {"musicLevel", [](S& s) { s.setMusicLevel(7); }, 0x01, {7}},
        {"speechInputLevels[4]", [](S& s) { s.setSpeechInputLevel(4, 9); }, 0x06, {9}},
        {"musicSourceLevels[4]", [](S& s) { s.setMusicSourceLevel(4, 9); }, 0x0B, {9}},
        {"voxThresholds[1]", [](S& s) { s.setVoxThreshold(1, 9); }, 0x0D, {9}},
        {"address", [](S& s) { s.setMasterAddress(5); }, 0x0E, {0x05}},
        {"chime", [](S& s) { s.setChimeEnabled(true); }, 0x0E, {0x80}},
        {"zone music 6s+k+1", [](S& s) { s.setZoneMusic(2, 3, true); }, 0x13, {0x48}},
        {"musicSelect", [](S& s) { s.setMusicSelect(4); }, 0x38, {0x04}},
        {"music on remote", [](S& s) { s.setMusicOnRemote(true); }, 0x38, {0x80}},
        {"summerTimeOff", [](S& s) { s.setSummerTimeOff(true); }, 0x67, {0x80}},
    });
    checkReads<S>({
        {"speechLevel", 0x00, {20}, [](const S& s) { return s.speechLevel(); }, 20},
        {"musicLevel", 0x01, {20}, [](const S& s) { return s.musicLevel(); }, 20},
        {"address", 0x0E, {0xFD}, [](const S& s) { return s.masterAddress(); }, 5},
        {"chime", 0x0E, {0x80}, [](const S& s) { return s.chimeEnabled(); }, 1},
        {"slave 5 present", 0x19, {0x80}, [](const S& s) { return s.slavePresent(5); }, 1},
        {"zone 36 music", 0x19, {0x20}, [](const S& s) { return s.zoneMusic(5, 5); }, 1},
        {"slaveGroup[5]", 0x1A, {0xFF}, [](const S& s) { return s.slaveGroup(5); }, 0x7F},
        {"unit 15 connected", 0x2A, {0x20}, [](const S& s) { return s.unitConnected(15); }, 1},
        {"unit 15 I/O card", 0x2A, {0x80}, [](const S& s) { return s.unitIsIoCard(15); }, 1},
        {"unit 15 line B", 0x2A, {0x40}, [](const S& s) { return s.unitOnLineB(15); }, 1},
        {"unit 15 priority", 0x2A, {0xFF}, [](const S& s) { return s.unitPriority(15); }, 7},
        {"zone 1 busy", 0x2B, {0x01}, [](const S& s) { return s.zoneBusy(1); }, 1},
        {"zone 36 busy", 0x2F, {0x08}, [](const S& s) { return s.zoneBusy(36); }, 1},
        {"output 36", 0x34, {0x08}, [](const S& s) { return s.outputActive(5, 5); }, 1},
        {"input 1", 0x3B, {0x01}, [](const S& s) { return s.inputActive(0, 0); }, 1},
        {"input 36", 0x3F, {0x08}, [](const S& s) { return s.inputActive(5, 5); }, 1},
        {"active kind", 0x35, {0xE4}, [](const S& s) { return s.activeSourceKind(); }, 4},
        {"active priority", 0x35, {0xE4}, [](const S& s) { return s.activeSourcePriority(); }, 7},
        {"active number", 0x36, {12}, [](const S& s) { return s.activeSourceNumber(); }, 12},
        {"active message", 0x37, {0xFF}, [](const S& s) { return s.activeMessage(); }, 127},
        {"music select", 0x38, {0x7C}, [](const S& s) { return s.musicSelect(); }, 4},
        {"vox meter 2", 0x3A, {17}, [](const S& s) { return s.voxInputMeter(1); }, 17},
        {"clock hour", 0x64, {0x59, 0x58, 0x23}, [](const S& s) { return s.masterClock().hour; }, 23},
        {"clock month", 0x69, {0x12}, [](const S& s) { return s.masterClock().month; }, 12},
        {"firmware", 0x6B, {3, 14}, [](const S& s) { return s.firmwareRelease(1); }, 14},
    });
}

TEST(Layout, GeneratorFieldsSitWhereTheGeneratorPutsThem)
{
    using G = GeneratorStatus;
    checkWrites<G>({
        {"genPlayMessage", [](G& g) { g.setGenPlayMessage(128); }, 0x11, {0x80}},
        {"summerTimeOff", [](G& g) { g.setSummerTimeOff(true); }, 0x12, {0x01}},
        {"genCommand", [](G& g) { g.addCommand(G::CmdPlayChannels | G::CmdStop); }, 0x08, {0x14}},
    });
    checkReads<G>({
        {"genClock day", 0x04, {0x31}, [](const G& g) { return g.genClock().day; }, 31},
        {"message 1", 0x13, {0x01}, [](const G& g) { return g.messagePresent(1); }, 1},
        {"message 128", 0x22, {0x80}, [](const G& g) { return g.messagePresent(128); }, 1},
        {"card", 0x23, {0x01}, [](const G& g) { return g.cardInserted(); }, 1},
        {"folder", 0x23, {0x02}, [](const G& g) { return g.folderFound(); }, 1},
        {"playing", 0x23, {0x04}, [](const G& g) { return g.playing(); }, 1},
        {"firmware", 0x24, {2, 7}, [](const G& g) { return g.firmwareRelease(1); }, 7},
        {"genLegalId", 0x26, {8, 10, 14}, [](const G& g) { return g.genLegalId(); }, 0x080A0E00},
    });
}

TEST(Layout, ConfigurationRecordsSitWhereTheMasterKeepsThem)
{
    using C = ConfigImage;
    checkWrites<C>({
        {"unit 0 key 1 number", [](C& c) { c.key(0, 0).setMessageNumber(0x7F); }, 0x001E, {0x7F}},
        {"unit 1 key 1 zone 36 of master 5", [](C& c) { c.key(1, 0).zones().set(5, 36); }, 0x04FD, {0x08}},
        {"unit 15 ALL Esp. 2 output event", [](C& c) { c.key(15, 38).setOutputEvent(65); }, 0x4DFF, {65}},
        {"message event 1", [](C& c) { c.messageEvent(1).setMessageNumber(1); }, 0x4E1E, {1}},
        {"message event 127", [](C& c) { c.messageEvent(127).setMessageNumber(127); }, 0x5DDE, {127}},
        {"out event 1 state", [](C& c) { c.outEvent(1).states().set(0, 1); }, 0x5DE0, {0x01}},
        {"out event 63 affect", [](C& c) { c.outEvent(63).affects().set(5, 36); }, 0x6D9D, {0x08}},
        {"RESET state", [](C& c) { c.resetOutEvent().states().setAll(0); }, 0x6DA0, {0xFF, 0xFF, 0xFF, 0xFF, 0x0F}},
        {"timer 1 start",
         [](C& c) { c.timer(1).setStartTime(ClockTime{2026, 12, 31, 23, 59, 58, 4}); },
         0x6DC0,
         {0x58, 0x59, 0x23, 0x04, 0x31, 0x12, 0x26}},
        {"timer 1 period", [](C& c) { c.timer(1).setPeriodSeconds(43200); }, 0x6DC8, {0xC0, 0xA8}},
        {"timer 2 repeat", [](C& c) { c.timer(2).setRepeatDays(TimerEventRecord::Daily); }, 0x6DE7, {0x7F}},
        {"timer 2 output event", [](C& c) { c.timer(2).setOutputEvent(64); }, 0x6DEE, {64}},
        {"timer 2 flags",
         [](C& c) {
             c.timer(2).setPriority(7);
             c.timer(2).setTransition(3);
             c.timer(2).setEnabled(true);
         },
         0x6DEF,
         {0xB7}},
        {"timer 2 slot 16", [](C& c) { c.timer(2).setMessageEvent(15, 127); }, 0x6DFF, {127}},
        {"timer 127 duration", [](C& c) { c.timer(127).setDurationSeconds(86399); }, 0x7D8A, {0x7F, 0x51, 0x01, 0x00}},
        {"VOX1 zones", [](C& c) { c.vox(1).zones().setAll(0); }, 0x7DA0, {0xFF, 0xFF, 0xFF, 0xFF, 0x0F}},
        {"VOX2 priority", [](C& c) { c.vox(2).setVoxPriority(7); }, 0x7DDE, {7}},
        {"I/O card 6 line 6", [](C& c) { c.ioLineAttribute(5, 5) = 0xFF; }, 0x7F63, {0xFF}},
    });
    checkReads<C>({
        {"unaligned duration", 0x6DCA, {0x7F, 0x51, 0x01, 0x00}, [](const C& c) { return c.timer(1).durationSeconds(); }, 86399},
        {"start second of day", 0x6DC0, {0x30, 0x00, 0x12}, [](const C& c) { return c.timer(1).startSecondOfDay(); }, 43230},
        {"programmed by message", 0x6DD0, {1}, [](const C& c) { return c.timer(1).programmed(); }, 1},
        {"programmed by output", 0x6DCE, {1}, [](const C& c) { return c.timer(1).programmed(); }, 1},
        {"io transition", 0x7F40, {0x38}, [](const C& c) { return IoLine::transition(c.ioLineAttribute(0, 0)); }, 3},
        {"io output logic", 0x7F40, {0x80}, [](const C& c) { return IoLine::outputNegative(c.ioLineAttribute(0, 0)); }, 1},
    });
}

TEST(Layout, SettersKeepTheBitsTheyDoNotOwn)
{
    StatusBlock s;
    s.bytes.fill(0xFF);
    s.setMasterAddress(2);
    s.setMusicSelect(0);
    s.setZoneMusic(0, 0, false);
    s.setMasterClock(ClockTime{2026, 1, 1, 0, 0, 0, 4});
    EXPECT_EQ(s.bytes[0x0E], 0xFA);
    EXPECT_EQ(s.bytes[0x38], 0xF8);
    EXPECT_EQ(s.bytes[0x0F], 0xFE);
    EXPECT_EQ(s.bytes[0x67], 0xF4); // bit 3 cleared by the weekday write, bits 4-7 kept

    ConfigImage c;
    c.bytes.fill(0xFF);
    const ConfigImage before = c;
    c.timer(5).setPriority(1);
    c.timer(5).setTransition(0);
    c.timer(5).setEnabled(false);
    EXPECT_EQ(c.bytes[0x6E4F], 0x49); // bits 3 and 6 survive
    c.outEvent(7).states().clearAll(0);
    c.outEvent(7).affects().clearAll(5);
    // Neither the zero pair at 0x1E nor the two uninterpreted bytes at 0x3E change.
    for (int o : {0x1E, 0x1F, 0x3E, 0x3F})
        EXPECT_EQ(c.bytes[0x5DE0 + 0x40 * 6 + o], 0xFF);
    for (int i = 0; i < 0x160; ++i)
        ASSERT_EQ(c.bytes[0x7DE0 + i], before.bytes[0x7DE0 + i]);
}
