#include "model/FileIo.h"
#include "model/FilePath.h"
#include "model/LegalFile.h"

#include "FileFixture.h"
#include "WriteFailure.h"

#include <QDir>

#include <chrono>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

using namespace q7582;
using namespace std::chrono;

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

class FileIo : public FileFixture {
protected:
    // Only the named files: a temporary file left behind would show here.
    QStringList entries() const
    {
        return QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
};

TEST_F(FileIo, WhatIsNotARegularFileIsRefusedAtOnceAndNeverReplaced)
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
}

TEST_F(FileIo, ReadsStopAtTheirCapWhateverSizeTheFileHas)
{
    // A 1 GiB file that takes no disk: only the cap is ever read or held.
    write("huge", "");
    ASSERT_EQ(::truncate(path("huge").c_str(), 1 << 30), 0);
    std::string out;
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

TEST_F(FileIo, ReplacingThroughASymbolicLinkRewritesItsTargetAndKeepsTheLink)
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
}

// Every file the manager keeps is rewritten here: the mode the user gave it survives the
// rename of the temporary file over it.
TEST_F(FileIo, ARewriteKeepsTheModeNewFilesFollowTheUmaskAndAWriteProtectedFileIsRefused)
{
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
    EXPECT_EQ(read("007.WAV"), read("source.wav"));
    EXPECT_EQ(entries().size(), 4);
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

TEST_F(LegalFile, CreatedFromTheBuiltInTableWhenMissingAndNeverRewritten)
{
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

    LegalFileImage image;
    ASSERT_TRUE(loadLegalFile(image, path("LEGAL.BIN")).ok);
    EXPECT_EQ(image.legalFileId, 0x080A0E00u);
    EXPECT_TRUE(std::equal(b, b + 256, image.buffer.begin()));

    write("LEGAL.BIN", "newer table");
    EXPECT_TRUE(createLegalFileIfMissing(path("LEGAL.BIN")).ok);
    EXPECT_EQ(read("LEGAL.BIN"), "newer table");
}

// A short file leaves nothing of a previous table behind, a long one is read as far as
// the buffer goes; a failure keeps the table in force and says why.
TEST_F(LegalFile, FilesAreReadAsFarAsTheBufferGoesAndFailuresKeepTheTableInForce)
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
}

TEST(LegalSeconds, CountsFromTheLastDayOf1999)
{
    EXPECT_EQ(legalSeconds(0x00, 0x00, 0x00, 0x01, 0x01, 0x00), 86400u);
    EXPECT_EQ(legalSeconds(0x59, 0x59, 0x23, 0x31, 0x12, 0x99), since1999(sys_days{2100y / January / 1} - seconds{1}));
    EXPECT_EQ(legalSeconds(0x60, 0, 0, 1, 1, 0) + legalSeconds(0x0A, 0, 0, 1, 1, 0), 0u); // impossible seconds
    EXPECT_EQ(legalSeconds(0, 0, 0, 1, 0x13, 0), 0u);                                     // month 13 has no length
}
