// Every accessor against the offset and bits the device uses: a write through the
// accessor changes exactly the listed bytes of a block filled with `fill`, and the listed
// bytes read back through the accessor. The default configuration's masks, the same way.
#include "model/ConfigImage.h"
#include "model/DefaultConfiguration.h"
#include "model/GeneratorStatus.h"
#include "model/StatusBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string_view>
#include <tuple>

using namespace q7582;
using namespace std::chrono;
using namespace std::string_view_literals;

namespace {

// read may be empty (a write-only check), write too (a field the PC never changes).
template <typename Block>
struct Field {
    const char* name;
    int offset;
    std::string_view bytes;
    void (*write)(Block&);
    long long (*read)(const Block&) = nullptr;
    long long value = 0;
};

template <typename Block>
void check(const std::vector<Field<Block>>& fields, Byte fill = 0)
{
    for (const auto& f : fields) {
        Block expected;
        expected.bytes.fill(fill);
        std::copy(f.bytes.begin(), f.bytes.end(), expected.bytes.begin() + f.offset);
        if (f.write) {
            Block written;
            written.bytes.fill(fill);
            f.write(written);
            EXPECT_TRUE(written.bytes == expected.bytes) << f.name;
        }
        if (f.read) {
            EXPECT_EQ(f.read(expected), f.value) << f.name;
        }
    }
}

std::string_view at(const ConfigImage& c, int offset)
{
    return {reinterpret_cast<const char*>(c.bytes.data()) + offset, 5};
}

constexpr std::string_view NoZones = "\0\0\0\0\0"sv, Key2 = "\x02\0\0\0\0"sv;

// A write through accessors of block b, and a read of them.
#define W(...) [](auto& b) { __VA_ARGS__; }
#define R(...) [](const auto& b) -> long long { return __VA_ARGS__; }

} // namespace

TEST(Layout, StatusAndGeneratorFieldsSitWhereTheDevicesPutThem)
{
    check<StatusBlock>({
        {"speechLevel", 0x00, "\x07", W(b.setSpeechLevel(7)), R(b.speechLevel()), 7},
        {"musicLevel", 0x01, "\x07", W(b.setMusicLevel(7)), R(b.musicLevel()), 7},
        {"remote input level", 0x06, "\x09", W(b.setSpeechInputLevel(4, 9))},
        {"music source 5 level", 0x0B, "\x09", W(b.setMusicSourceLevel(4, 9))},
        {"VOX2 threshold", 0x0D, "\x09", W(b.setVoxThreshold(1, 9))},
        {"address", 0x0E, "\x05", W(b.setMasterAddress(5)), R(b.masterAddress()), 5},
        {"chime", 0x0E, "\x80", W(b.setChimeEnabled(true)), R(b.chimeEnabled()), 1},
        {"zone 16 music", 0x13, "\x48", W(b.setZoneMusic(2, 3, true)), R(b.zoneMusic(2, 3)), 1},
        {"slave 6 present", 0x19, "\x80", {}, R(b.slavePresent(5)), 1},
        {"slave 6 group", 0x1A, "\xFF", {}, R(b.slaveGroup(5)), 0x7F},
        {"unit 16 connected", 0x2A, "\x20", {}, R(b.unitConnected(15)), 1},
        {"unit 16 line B", 0x2A, "\x40", {}, R(b.unitOnLineB(15)), 1},
        {"unit 16 I/O card", 0x2A, "\x80", {}, R(b.unitIsIoCard(15)), 1},
        {"unit 16 priority", 0x2A, "\xFF", {}, R(b.unitPriority(15)), 7},
        {"zone 36 busy", 0x2F, "\x08", {}, R(b.zoneBusy(36)), 1},
        {"output 36", 0x34, "\x08", {}, R(b.outputActive(5, 5)), 1},
        {"active source kind", 0x35, "\xE4", {}, R(b.activeSourceKind()), 4},
        {"active source priority", 0x35, "\xE4", {}, R(b.activeSourcePriority()), 7},
        {"active source number", 0x36, "\x0C", {}, R(b.activeSourceNumber()), 12},
        {"active message", 0x37, "\xFF", {}, R(b.activeMessage()), 127},
        {"music select", 0x38, "\x84", W(b.setMusicSelect(4), b.setMusicOnRemote(true)), R(b.musicSelect()), 4},
        {"VOX2 meter", 0x3A, "\x11", {}, R(b.voxInputMeter(1)), 17},
        {"input 1", 0x3B, "\x01", {}, R(b.inputActive(0, 0)), 1},
        {"summer time off", 0x67, "\x80", W(b.setSummerTimeOff(true)), R(b.summerTimeOff()), 1},
        {"firmware", 0x6B, "\x03\x0E", {}, R(b.firmwareRelease(0) * 100 + b.firmwareRelease(1)), 314},
        {"clock", 0x64, "\x09\x05\x08\x07\x06\x12\x26", W(b.setMasterClock({2026, 12, 6, 8, 5, 9, 0}))},
    });
    // In a block of ones: a setter keeps the bits it does not own.
    check<StatusBlock>({{"address keeps the chime", 0x0E, "\xFA", W(b.setMasterAddress(2))},
                        {"music select keeps the remote", 0x38, "\xF8", W(b.setMusicSelect(0))},
                        {"zone music keeps the others", 0x0F, "\xFE", W(b.setZoneMusic(0, 0, false))}},
                       0xFF);
    using G = GeneratorStatus;
    check<G>({
        {"command", 0x08, "\x14", W(b.addCommand(G::CmdPlayChannels | G::CmdStop)), R(b.genCommand()), 0x14},
        {"play message", 0x11, "\x80", W(b.setGenPlayMessage(128)), R(b.genPlayMessage()), 128},
        {"summer time off", 0x12, "\x01", W(b.setSummerTimeOff(true)), R(b.summerTimeOff()), 1},
        {"message 128", 0x22, "\x80", {}, R(b.messagePresent(128) - b.messagePresent(127)), 1},
        {"card inserted", 0x23, "\x01", {}, R(b.cardInserted()), 1},
        {"folder found", 0x23, "\x02", {}, R(b.folderFound()), 1},
        {"playing", 0x23, "\x04", {}, R(b.playing()), 1},
        {"legal id", 0x26, "\x08\x0A\x0E", {}, R(b.genLegalId()), 0x080A0E00},
        // the weekday's high nibble is kept, byte 0x07 goes along with the clock
        {"clock from the PC", 0x07, "\x5A\x01\x58\x59\x23\x36\x31\x01\x99\x5A",
         W(b.bytes[0x07] = 0x5A, b.bytes[0x0C] = 0x30, b.setClockFromPc(ClockTime{2099, 1, 31, 23, 59, 58, 6}))},
    });
}

TEST(Layout, ConfigurationRecordsSitWhereTheMasterKeepsThem)
{
    check<ConfigImage>({
        {"unit 1 key 1 number", 0x001E, "\x7F", W(b.key(0, 0).setMessageNumber(0x7F))},
        {"unit 2 key 1 zone 36 of master 5", 0x04FD, "\x08", W(b.key(1, 0).zones().set(5, 36))},
        {"unit 16 ALL Esp. 2 output event", 0x4DFF, "\x41", W(b.key(15, 38).setOutputEvent(65))},
        {"message event 127", 0x5DDE, "\x7F", W(b.messageEvent(127).setMessageNumber(127))},
        {"out event 1 state", 0x5DE0, "\x01", W(b.outEvent(1).states().set(0, 1))},
        {"out event 63 affect", 0x6D9D, "\x08", W(b.outEvent(63).affects().set(5, 36))},
        {"RESET", 0x6DA0, "\xFF\xFF\xFF\xFF\x0F", W(b.resetOutEvent().states().setAll(0))},
        {"timer 1 start", 0x6DC0, "\x58\x59\x23\x04\x31\x12\x26\x7F\xC0\xA8",
         W(b.timer(1).setStartTime(ClockTime{2026, 12, 31, 23, 59, 58, 4}), b.timer(1).setRepeatDays(0x7F),
           b.timer(1).setPeriodSeconds(43200)),
         R(b.timer(1).startSecondOfDay()), 86398},
        {"timer 2 output and flags", 0x6DEE, "\x40\xB7",
         W(b.timer(2).setOutputEvent(64), b.timer(2).setPriority(7), b.timer(2).setTransition(3),
           b.timer(2).setEnabled(true)),
         R(b.timer(2).programmed()), 1},
        {"timer 2 slot 16", 0x6DFF, "\x7F", W(b.timer(2).setMessageEvent(15, 127))},
        {"timer 127 duration, unaligned", 0x7D8A, "\x7F\x51\x01\x00"sv, W(b.timer(127).setDurationSeconds(86399)),
         R(b.timer(127).durationSeconds()), 86399},
        {"VOX2 priority", 0x7DDE, "\x07", W(b.vox(2).setVoxPriority(7))},
        {"I/O card 6 line 6", 0x7F63, "\xB8", W(b.ioLineAttribute(5, 5) = 0xB8),
         R(IoLine::transition(b.ioLineAttribute(5, 5))), 3},
        {"I/O output logic", 0x7F40, "\x80", {}, R(IoLine::outputNegative(b.ioLineAttribute(0, 0))), 1},
    });
    check<ConfigImage>({{"timer 5 flags keep bits 3 and 6", 0x6E4F, "\x49",
                         W(b.timer(5).setPriority(1), b.timer(5).setTransition(0), b.timer(5).setEnabled(false))}},
                       0xFF);
}

TEST(BcdClock, RoundTripsEveryDayOfALeapYearWithSundayAsSeven)
{
    for (sys_days d = sys_days{2028y / January / 1}; d < sys_days{2029y / January / 1}; d += days{1}) {
        const year_month_day ymd{d};
        const int day = int(unsigned(ymd.day()));
        const ClockTime t{2028, int(unsigned(ymd.month())), day, day % 24, 59 - day, 7, int(weekday{d}.iso_encoding())};
        StatusBlock status;
        status.bytes[0x67] = 0xF8; // bits 4-7 are kept, bit 3 is cleared by a weekday write
        status.setMasterClock(t);
        ASSERT_EQ(status.masterClock(), t) << unsigned(ymd.month()) << "/" << day;
        ASSERT_EQ(status.bytes[0x67], 0xF0 | (weekday{d} == Sunday ? 7 : weekday{d}.c_encoding()));
    }
}

TEST(BcdClock, ImpossibleDatesAreInvalidAndNamesFollowTheDevice)
{
    // Month 0 (nothing to show) and a day that year does not have.
    EXPECT_FALSE((StatusBlock().masterClock().isValid() || ClockTime{2027, 2, 29, 0, 0, 0, 1}.isValid()));
    EXPECT_EQ(messageFileName(7) + messageFileName(10) + messageFileName(128), "007.WAV010.WAV128.WAV");
    EXPECT_EQ(legalIdText(0x080A0E00), "8.10.14");
}

TEST(DefaultConfiguration, FillsOnlyTheMasksOfItsOwnMaster)
{
    for (int n : {0, 3}) {
        ConfigImage c;
        c.bytes.fill(0xEE);
        EXPECT_EQ(buildDefaultConfiguration(c, n).masterNumber, n);
        const int m = 5 * n;
        const std::pair<int, std::string_view> masks[] = {
            {0x0000, "\x01\x00\x00\x00\x00"sv}, {0x0400, "\x00\x00\x00\x00\x01"sv}, {0x4D80, "\x00\x00\x00\x00\x08"sv},
            {0x0480, "\xFF\xFF\xFF\xFF\x0F"sv}, {0x04A0, "\x00\xF0\xFF\x00\x00"sv}, {0x4DE0, "\x00\x00\x00\xFF\x0F"sv},
            {0x5DC0, "\xFF\xFF\xFF\xFF\x0F"sv}, {0x7DA0, "\xFF\xFF\xFF\xFF\x0F"sv}, {0x7DC0, "\xFF\xFF\xFF\xFF\x0F"sv}};
        // unit 1 keys 1 and 33, unit 16 key 36, PTT/Lock, ALL Esp. 1, unit 16 ALL Esp. 2,
        // message event 127, VOX1, VOX2
        for (const auto& [offset, mask] : masks)
            EXPECT_EQ(at(c, offset + m), mask) << std::hex << offset << " master " << n;
        EXPECT_EQ(std::vector<Byte>({c.bytes[0x4E1E], c.bytes[0x5DDE], c.bytes[0x7DBE], c.bytes[0x7DDE]}),
                  (std::vector<Byte>{1, 0x7F, 5, 2}));
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(at(c, 0x20 + 5 * other), other == n ? Key2 : NoZones) << other;
        // Nothing else: per unit 36 one-bit keys and 5 + 2 + 2 mask bytes, per VOX and
        // message event five mask bytes and its number.
        EXPECT_EQ(std::count_if(c.bytes.begin(), c.bytes.end(), [](Byte b) { return b != 0; }),
                  16 * (36 + 5 + 2 + 2) + 2 * 6 + 127 * 6);
    }
}

TEST(DefaultConfiguration, IsTheConfigurationFromNowOnAndNoneForAMasterPastFive)
{
    ConfigImage image;
    Provenance p{ConfigOrigin::OriginFile, true, 0, 0x85, "a.cfi"};
    buildDefaultConfiguration(image, 4).applyTo(p);
    EXPECT_EQ(std::tuple(p.origin, p.defaultMasterNumber, p.modified),
              std::tuple(ConfigOrigin::OriginDefault, 4, false));

    const ConfigImage before = image;
    EXPECT_THROW(buildDefaultConfiguration(image, 6), std::out_of_range);
    EXPECT_TRUE(image == before);
}
