// Every accessor against the offset and bits the device uses: a write through the
// accessor changes exactly the listed bytes of an all-zero block, and the listed bytes
// read back through the accessor.
#include "model/ConfigImage.h"
#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace q7582;

namespace {

template <typename Block>
struct Field {
    using Write = std::function<void(Block&)>;
    using Read = std::function<long long(const Block&)>;
    // write may be empty (a field the PC never changes), read too (a write-only check).
    Field(const char* name, int offset, std::vector<Byte> bytes, Write write, Read read = Read(), long long value = 0)
        : name(name), offset(offset), bytes(std::move(bytes)), write(std::move(write)), read(std::move(read)), value(value)
    {
    }
    const char* name;
    int offset;
    std::vector<Byte> bytes;
    Write write;
    Read read;
    long long value;
};

template <typename Block>
void check(const std::vector<Field<Block>>& fields)
{
    for (const auto& f : fields) {
        Block expected;
        std::copy(f.bytes.begin(), f.bytes.end(), expected.bytes.begin() + f.offset);
        if (f.write) {
            Block written;
            f.write(written);
            EXPECT_TRUE(written.bytes == expected.bytes) << f.name;
        }
        if (f.read) {
            EXPECT_EQ(f.read(expected), f.value) << f.name;
        }
    }
}

} // namespace

TEST(Layout, StatusAndGeneratorFieldsSitWhereTheDevicesPutThem)
{
    using S = StatusBlock;
    check<S>({
        {"speechLevel", 0x00, {7}, [](S& s) { s.setSpeechLevel(7); }, [](const S& s) { return s.speechLevel(); }, 7},
        {"musicLevel", 0x01, {7}, [](S& s) { s.setMusicLevel(7); }, [](const S& s) { return s.musicLevel(); }, 7},
        {"remote input level", 0x06, {9}, [](S& s) { s.setSpeechInputLevel(4, 9); }},
        {"music source 5 level", 0x0B, {9}, [](S& s) { s.setMusicSourceLevel(4, 9); }},
        {"VOX2 threshold", 0x0D, {9}, [](S& s) { s.setVoxThreshold(1, 9); }},
        {"address", 0x0E, {0x05}, [](S& s) { s.setMasterAddress(5); }, [](const S& s) { return s.masterAddress(); }, 5},
        {"chime", 0x0E, {0x80}, [](S& s) { s.setChimeEnabled(true); }, [](const S& s) { return s.chimeEnabled(); }, 1},
        {"zone 16 music", 0x13, {0x48}, [](S& s) { s.setZoneMusic(2, 3, true); }, [](const S& s) { return s.zoneMusic(2, 3); }, 1},
        {"slave 6 present", 0x19, {0x80}, {}, [](const S& s) { return s.slavePresent(5); }, 1},
        {"slave 6 group", 0x1A, {0xFF}, {}, [](const S& s) { return s.slaveGroup(5); }, 0x7F},
        {"unit 16 info", 0x2A, {0xE7}, {}, [](const S& s) { return s.unitConnected(15) + 2 * s.unitOnLineB(15) + 4 * s.unitIsIoCard(15) + 8 * s.unitPriority(15); }, 63},
        {"zone 36 busy", 0x2F, {0x08}, {}, [](const S& s) { return s.zoneBusy(36); }, 1},
        {"output 36", 0x34, {0x08}, {}, [](const S& s) { return s.outputActive(5, 5); }, 1},
        {"active source kind", 0x35, {0xE4}, {}, [](const S& s) { return s.activeSourceKind(); }, 4},
        {"active source priority", 0x35, {0xE4}, {}, [](const S& s) { return s.activeSourcePriority(); }, 7},
        {"active source number", 0x36, {12}, {}, [](const S& s) { return s.activeSourceNumber(); }, 12},
        {"active message", 0x37, {0xFF}, {}, [](const S& s) { return s.activeMessage(); }, 127},
        {"music select", 0x38, {0x84}, [](S& s) { s.setMusicSelect(4); s.setMusicOnRemote(true); }, [](const S& s) { return s.musicSelect(); }, 4},
        {"VOX2 meter", 0x3A, {17}, {}, [](const S& s) { return s.voxInputMeter(1); }, 17},
        {"input 1", 0x3B, {0x01}, {}, [](const S& s) { return s.inputActive(0, 0); }, 1},
        {"summer time off", 0x67, {0x80}, [](S& s) { s.setSummerTimeOff(true); }, [](const S& s) { return s.summerTimeOff(); }, 1},
        {"clock month", 0x69, {0x12}, {}, [](const S& s) { return s.masterClock().month; }, 12},
        {"firmware", 0x6B, {3, 14}, {}, [](const S& s) { return s.firmwareRelease(0) * 100 + s.firmwareRelease(1); }, 314},
    });
    using G = GeneratorStatus;
    check<G>({
        {"command", 0x08, {0x14}, [](G& g) { g.addCommand(G::CmdPlayChannels | G::CmdStop); }, [](const G& g) { return g.genCommand(); }, 0x14},
        {"play message", 0x11, {0x80}, [](G& g) { g.setGenPlayMessage(128); }, [](const G& g) { return g.genPlayMessage(); }, 128},
        {"summer time off", 0x12, {0x01}, [](G& g) { g.setSummerTimeOff(true); }, [](const G& g) { return g.summerTimeOff(); }, 1},
        {"message 128", 0x22, {0x80}, {}, [](const G& g) { return g.messagePresent(128) - g.messagePresent(127); }, 1},
        {"media", 0x23, {0x05}, {}, [](const G& g) { return g.cardInserted() + 2 * g.folderFound() + 4 * g.playing(); }, 5},
        {"legal id", 0x26, {8, 10, 14}, {}, [](const G& g) { return g.genLegalId(); }, 0x080A0E00},
    });
}

TEST(Layout, ConfigurationRecordsSitWhereTheMasterKeepsThem)
{
    using C = ConfigImage;
    check<C>({
        {"unit 1 key 1 number", 0x001E, {0x7F}, [](C& c) { c.key(0, 0).setMessageNumber(0x7F); }},
        {"unit 2 key 1 zone 36 of master 5", 0x04FD, {0x08}, [](C& c) { c.key(1, 0).zones().set(5, 36); }},
        {"unit 16 ALL Esp. 2 output event", 0x4DFF, {65}, [](C& c) { c.key(15, 38).setOutputEvent(65); }},
        {"message event 127", 0x5DDE, {127}, [](C& c) { c.messageEvent(127).setMessageNumber(127); }},
        {"out event 1 state", 0x5DE0, {0x01}, [](C& c) { c.outEvent(1).states().set(0, 1); }},
        {"out event 63 affect", 0x6D9D, {0x08}, [](C& c) { c.outEvent(63).affects().set(5, 36); }},
        {"RESET", 0x6DA0, {0xFF, 0xFF, 0xFF, 0xFF, 0x0F}, [](C& c) { c.resetOutEvent().states().setAll(0); }},
        {"timer 1 start", 0x6DC0, {0x58, 0x59, 0x23, 0x04, 0x31, 0x12, 0x26, 0x7F, 0xC0, 0xA8},
         [](C& c) {
             c.timer(1).setStartTime(ClockTime{2026, 12, 31, 23, 59, 58, 4});
             c.timer(1).setRepeatDays(TimerEventRecord::Daily);
             c.timer(1).setPeriodSeconds(43200);
         },
         [](const C& c) { return c.timer(1).startSecondOfDay(); }, 86398},
        {"timer 2 output and flags", 0x6DEE, {64, 0xB7},
         [](C& c) {
             c.timer(2).setOutputEvent(64);
             c.timer(2).setPriority(7);
             c.timer(2).setTransition(3);
             c.timer(2).setEnabled(true);
         },
         [](const C& c) { return c.timer(2).programmed(); }, 1},
        {"timer 2 slot 16", 0x6DFF, {127}, [](C& c) { c.timer(2).setMessageEvent(15, 127); }},
        {"timer 127 duration, unaligned", 0x7D8A, {0x7F, 0x51, 0x01, 0x00}, [](C& c) { c.timer(127).setDurationSeconds(86399); },
         [](const C& c) { return c.timer(127).durationSeconds(); }, 86399},
        {"VOX2 priority", 0x7DDE, {7}, [](C& c) { c.vox(2).setVoxPriority(7); }},
        {"I/O card 6 line 6", 0x7F63, {0xB8}, [](C& c) { c.ioLineAttribute(5, 5) = 0xB8; },
         [](const C& c) { return IoLine::transition(c.ioLineAttribute(5, 5)) + 10 * IoLine::outputNegative(c.ioLineAttribute(5, 5)); }, 13},
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
    c.timer(5).setPriority(1);
    c.timer(5).setTransition(0);
    c.timer(5).setEnabled(false);
    EXPECT_EQ(c.bytes[0x6E4F], 0x49); // bits 3 and 6 survive
}
