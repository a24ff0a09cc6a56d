#include "model/FileIo.h"
#include "FileFixture.h"
#include "WriteFailure.h"
#include "model/ConfigImage.h"
#include "model/DefaultConfiguration.h"
#include "model/FilePath.h"
#include "model/GeneratorStatus.h"
#include "model/LegalFile.h"
#include "model/StatusBlock.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

using namespace q7582;
using namespace std::chrono;
using namespace std::string_view_literals;

namespace {

// Seconds from 1999-12-31 00:00:00, by the calendar.
std::uint32_t since1999(sys_seconds t) { return std::uint32_t((t - sys_days{1999y / December / 31}).count()); }

unsigned modeOf(const std::string& path) { return unsigned(std::filesystem::status(path).permissions()); }

// A failure: not ok (callers branch on it), with `why` in its message (at its start if asked).
::testing::AssertionResult fails(const FileResult& r, const std::string& why, bool atStart = false)
{
    const auto at = r.error.find(why);
    if (!r.ok && at != std::string::npos && (!atStart || at == 0))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ok " << r.ok << ": " << r.error;
}

} // namespace

using FileIo = FileFixture; // entries(): a temporary file left behind would show there

TEST_F(FileIo, WhatIsNotARegularFileIsRefusedAtOnceAndReadsStopAtTheirCapWhateverSizeTheFileHas)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0666), 0);
    ASSERT_TRUE(QDir(tmp.path()).mkdir("folder"));
    std::string out = "kept";
    std::uint64_t bytes = 7;
    for (const std::string& name : {path("pipe"), path("folder"), std::string("/dev/zero")}) {
        EXPECT_TRUE(fails(readFile(name, out, 100), name + ": ", true)) << name;
        EXPECT_FALSE(copyFile(name, path("copy"), bytes).ok) << name;
        EXPECT_FALSE(replaceFile(name, "data").ok) << name;
    }
    EXPECT_EQ(std::tuple(out, bytes), std::tuple("kept", 7u));
    EXPECT_TRUE(fails(readFile(path("pipe"), out, 1), "not a regular file"));
    EXPECT_TRUE(fails(readFile(path("folder"), out, 1), "Is a directory"));
    EXPECT_TRUE(std::filesystem::is_fifo(path("pipe")));
    EXPECT_EQ(entries(), (QStringList{"folder", "pipe"}));

    // A 1 GiB file that takes no disk: only the cap is ever read or held.
    write("huge", "");
    ASSERT_EQ(::truncate(path("huge").c_str(), 1 << 30), 0);
    std::uint64_t size = 0;
    ASSERT_TRUE(readFile(path("huge"), out, 801, &size).ok);
    EXPECT_EQ(std::tuple(out, size, out.capacity() < 4096u), std::tuple(std::string(801, '\0'), 1u << 30, true));

    write("short", "abc");
    ASSERT_TRUE(readFile(path("short"), out, 801, &size).ok);
    EXPECT_EQ(std::tuple(out, size), std::tuple("abc", 3u));

    // A file whose size is not known in advance is still read, up to the cap.
    ASSERT_TRUE(readFile("/proc/self/status", out, 10, &size).ok);
    EXPECT_EQ(std::tuple(out.size(), size), std::tuple(10u, 10u));
}

TEST_F(FileIo, ReplacingThroughALinkRewritesItsTargetARewriteKeepsTheModeAndAWriteProtectedFileIsRefused)
{
    ASSERT_TRUE(QDir(tmp.path()).mkdir("real"));
    write("real/unit.txt", "old");
    ASSERT_EQ(::symlink("real/unit.txt", path("unit.txt").c_str()), 0);
    ASSERT_TRUE(replaceFile(path("unit.txt"), "new").ok);
    EXPECT_EQ(std::tuple(std::filesystem::read_symlink(path("unit.txt")), read("real/unit.txt")),
              std::tuple("real/unit.txt", "new"));

    // A dangling link: the file is made where the link points.
    ASSERT_EQ(::symlink("real/zone.txt", path("zone.txt").c_str()), 0);
    ASSERT_TRUE(replaceFile(path("zone.txt"), "zones").ok);
    EXPECT_EQ(read("real/zone.txt"), "zones");

    ASSERT_EQ(::symlink("loop", path("loop").c_str()), 0);
    EXPECT_TRUE(fails(replaceFile(path("loop"), "x"), "symbolic links"));
    EXPECT_EQ(entries(), (QStringList{"loop", "real", "unit.txt", "zone.txt"}));

    // Every file the manager keeps is rewritten so: the mode the user gave it survives the rename.
    write("shared.cfi", "old");
    ASSERT_EQ(::chmod(path("shared.cfi").c_str(), 0640), 0);
    ASSERT_TRUE(replaceFile(path("shared.cfi"), "new").ok);
    EXPECT_EQ(std::tuple(read("shared.cfi"), modeOf(path("shared.cfi"))), std::tuple("new", 0640u));

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(replaceFile(path("fresh.cfi"), "new").ok);
    ::umask(mask);
    EXPECT_EQ(modeOf(path("fresh.cfi")), 0644u);

    ASSERT_EQ(::chmod(path("shared.cfi").c_str(), 0444), 0);
    const FileResult refused = replaceFile(path("shared.cfi"), "newer");
    EXPECT_EQ(std::tuple(refused.ok, refused.error), std::tuple(false, path("shared.cfi") + ": Permission denied"));
    EXPECT_EQ(std::tuple(read("shared.cfi"), modeOf(path("shared.cfi"))), std::tuple("new", 0444u));
}

TEST_F(FileIo, AnyValidNameWorksAndAFailedWriteLeavesNothingBehind)
{
    for (const std::size_t length : {250u, 255u}) {
        const std::string name(length, 'n');
        ASSERT_TRUE(replaceFile(path(name), "first").ok) << length;
        ASSERT_TRUE(replaceFile(path(name), "second").ok) << length;
        EXPECT_EQ(read(name), "second");
    }
    write("source.wav", std::string(100000, 'w'));
    std::uint64_t bytes = 0;
    ASSERT_TRUE(copyFile(path("source.wav"), path("007.WAV"), bytes).ok);
    EXPECT_EQ(std::tuple(bytes, read("007.WAV")), std::tuple(100000u, read("source.wav")));

    {
        WriteFailure diskFull;
        EXPECT_FALSE(replaceFile(path("007.WAV"), "longer than the limit").ok);
        EXPECT_FALSE(copyFile(path("source.wav"), path("007.WAV"), bytes).ok);
    }
    EXPECT_EQ(std::tuple(read("007.WAV"), entries().size()), std::tuple(read("source.wav"), 4));
}

// A name keeps its bytes from the system to a QString and back, whatever they are, and
// reads as Qt reads it where they are UTF-8.
TEST_F(FileIo, EveryNameKeepsItsBytesThroughAQString)
{
    const std::pair<std::string, bool> names[] = {
        // the name, and whether it is UTF-8
        {"caf\xc3\xa9 \xf0\x9f\x8e\xb5.cfi", true},
        {"bad\xff\xfe.cfi", false},
        {"cut\xe2\x82", false},                                  // a sequence cut short
        {"overlong\xc0\xaf\xe0\x80\xaf\xf0\x80\x80\xaf", false}, // '/' in two, three and four bytes
        {"surrogate\xed\xb2\x80", false},                        // U+DC80, the stand-in of byte 0x80
        {"above\xf4\x90\x80\x80", false},                        // past U+10FFFF
        {"pair\xf0\x90\x82\x80\xc2", false},                     // U+10080 (low half U+DC80), then a cut
    };
    for (const auto& [name, utf8] : names) {
        const QString held = fileNameFromPath(path(name));
        EXPECT_EQ(filePath(held), path(name)) << name;
        EXPECT_EQ(held == QString::fromUtf8(path(name)), utf8) << name;
        ASSERT_TRUE(replaceFile(filePath(held), name).ok) << name;
        EXPECT_EQ(read(name), name);
    }
    std::vector<std::string> listed;
    ASSERT_TRUE(listFolder(dir(), listed).ok);
    EXPECT_EQ(listed.size(), std::size(names));
    for (const std::string& name : listed)
        ::unlink(path(name).c_str()); // QTemporaryDir cannot remove what it cannot name
}

using LegalFile = FileIo;

// A short file leaves nothing of a previous table behind, a long one is read as far as
// the buffer goes; a failure keeps the table in force and says why.
TEST_F(LegalFile, FilesAreReadAsFarAsTheBufferGoesFailuresKeepTheTableAndOneIsCreatedFromTheBuiltInTable)
{
    LegalFileImage image;
    image.buffer.fill(0x77);
    write("short.bin", "\x01\x02\x03");
    ASSERT_TRUE(loadLegalFile(image, path("short.bin")).ok);
    EXPECT_EQ(std::tuple(image.buffer, image.legalFileId), std::tuple(decltype(image.buffer){1, 2, 3}, 0u));

    std::string big(1000, '\x55');
    big.replace(0xFD, 3, "\x01\x02\x03");
    write("big.bin", big);
    ASSERT_TRUE(loadLegalFile(image, path("big.bin")).ok);
    const auto big299AndId = std::tuple(Byte(0x55), 0x03020100u);
    EXPECT_EQ(std::tuple(image.buffer[299], image.legalFileId), big299AndId);

    EXPECT_TRUE(fails(loadLegalFile(image, path("LEGAL.BIN")), "LEGAL.BIN: No such file"));
    std::filesystem::create_directory(path("folder"));
    EXPECT_FALSE(loadLegalFile(image, path("folder")).ok);
    EXPECT_EQ(std::tuple(image.buffer[299], image.legalFileId), big299AndId);

    EXPECT_FALSE(createLegalFileIfMissing(path("folder")).ok);
    EXPECT_FALSE(createLegalFileIfMissing(path("none/LEGAL.BIN")).ok);
    EXPECT_EQ(entries(), (QStringList{"big.bin", "folder", "short.bin"}));

    ASSERT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    const std::string file = read("LEGAL.BIN");
    ASSERT_EQ(file.size(), 256u);
    const auto* b = reinterpret_cast<const Byte*>(file.data());
    for (int i = 0; i < 20; ++i) {
        const year y{2008 + i};
        EXPECT_EQ(readLe32(b + 8 * i), since1999(sys_days{y / March / Sunday[last]} + hours{2})) << int(y);
        EXPECT_EQ(readLe32(b + 8 * i + 4), since1999(sys_days{y / October / Sunday[last]} + hours{3})) << int(y);
    }
    EXPECT_EQ(file.substr(0xA0), std::string(0x5D, '\0') + std::string("\x0E\x0A\x08"));

    ASSERT_TRUE(loadLegalFile(image, path("LEGAL.BIN")).ok);
    EXPECT_EQ(std::pair(image.legalFileId, std::equal(b, b + 256, image.buffer.begin())), std::pair(0x080A0E00u, true));

    write("LEGAL.BIN", "newer table");
    EXPECT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    EXPECT_EQ(read("LEGAL.BIN"), "newer table");
}

// Every accessor against the offset and bits the device uses: a write through the
// accessor changes exactly the listed bytes of a block filled with `fill`, and the listed
// bytes read back through the accessor. The default configuration's masks, the same way.
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

TEST(Layout, StatusGeneratorAndConfigurationFieldsSitWhereTheDevicesPutThem)
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

// Every day of a leap year round-trips with Sunday as 7; month 0 and a day the year does
// not have are invalid; the names follow the device.
TEST(BcdClock, RoundTripsEveryDayOfALeapYearRefusesImpossibleDatesNamesFollowTheDeviceAndLegalSecondsCountFrom1999)
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
    EXPECT_EQ(std::pair(StatusBlock().masterClock().isValid(), ClockTime{2027, 2, 29, 0, 0, 0, 1}.isValid()),
              std::pair(false, false));
    EXPECT_EQ(messageFileName(7) + messageFileName(10) + messageFileName(128), "007.WAV010.WAV128.WAV");
    EXPECT_EQ(legalIdText(0x080A0E00), "8.10.14");

    // Legal seconds count from the last day of 1999.
    EXPECT_EQ(legalSeconds(0x00, 0x00, 0x00, 0x01, 0x01, 0x00), 86400u);
    EXPECT_EQ(legalSeconds(0x59, 0x59, 0x23, 0x31, 0x12, 0x99), since1999(sys_days{2100y / January / 1} - seconds{1}));
    EXPECT_EQ(legalSeconds(0x60, 0, 0, 1, 1, 0) + legalSeconds(0x0A, 0, 0, 1, 1, 0), 0u); // impossible seconds
    EXPECT_EQ(legalSeconds(0, 0, 0, 1, 0x13, 0), 0u);                                     // month 13 has no length
}

// It fills only the masks of its own master, is the configuration from then on, and there
// is none for a master past five.
TEST(DefaultConfiguration, FillsOnlyItsOwnMastersMasksAndIsTheConfigurationFromNowOn)
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
    ConfigImage image;
    Provenance p{ConfigOrigin::OriginFile, true, 0, 0x85, "a.cfi"};
    buildDefaultConfiguration(image, 4).applyTo(p);
    EXPECT_EQ(std::tuple(p.origin, p.defaultMasterNumber, p.modified),
              std::tuple(ConfigOrigin::OriginDefault, 4, false));

    const ConfigImage before = image;
    EXPECT_THROW(buildDefaultConfiguration(image, 6), std::out_of_range);
    EXPECT_TRUE(image == before);
}
