#include "model/FileIo.h"
#include "model/FilePath.h"

#include "FileFixture.h"
#include "WriteFailure.h"

#include <QDir>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

using namespace q7582;

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
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
        const FileResult r = readFile(name, out, 100);
        EXPECT_FALSE(r.ok) << name;
        EXPECT_EQ(r.error.rfind(name + ": ", 0), 0u) << r.error;
        EXPECT_FALSE(copyFile(name, path("copy"), bytes).ok) << name;
        EXPECT_FALSE(replaceFile(name, "data").ok) << name;
    }
    EXPECT_EQ(out, "kept");
    EXPECT_EQ(bytes, 7u);
    EXPECT_NE(readFile(path("pipe"), out, 1).error.find("not a regular file"), std::string::npos);
    EXPECT_NE(readFile(path("folder"), out, 1).error.find("Is a directory"), std::string::npos);
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
    EXPECT_EQ(out, std::string(801, '\0'));
    EXPECT_LT(out.capacity(), 4096u);
    EXPECT_EQ(size, 1u << 30);

    write("short", "abc");
    ASSERT_TRUE(readFile(path("short"), out, 801, &size).ok);
    EXPECT_EQ(out, "abc");
    EXPECT_EQ(size, 3u);

    // A file whose size is not known in advance is still read, up to the cap.
    ASSERT_TRUE(readFile("/proc/self/status", out, 10, &size).ok);
    EXPECT_EQ(out.size(), 10u);
    EXPECT_EQ(size, 10u);
}

TEST_F(FileIo, ReplacingThroughASymbolicLinkRewritesItsTargetAndKeepsTheLink)
{
    ASSERT_TRUE(QDir(tmp.path()).mkdir("real"));
    write("real/unit.txt", "old");
    ASSERT_EQ(::symlink("real/unit.txt", path("unit.txt").c_str()), 0);
    ASSERT_TRUE(replaceFile(path("unit.txt"), "new").ok);
    char target[64] = {};
    ASSERT_GT(::readlink(path("unit.txt").c_str(), target, sizeof target - 1), 0);
    EXPECT_STREQ(target, "real/unit.txt");
    EXPECT_EQ(read("real/unit.txt"), "new");

    // A dangling link: the file is made where the link points.
    ASSERT_EQ(::symlink("real/zone.txt", path("zone.txt").c_str()), 0);
    ASSERT_TRUE(replaceFile(path("zone.txt"), "zones").ok);
    EXPECT_EQ(read("real/zone.txt"), "zones");

    ASSERT_EQ(::symlink("loop", path("loop").c_str()), 0);
    const FileResult loop = replaceFile(path("loop"), "x");
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.error.find("symbolic links"), std::string::npos) << loop.error;
    EXPECT_EQ(entries(), (QStringList{"loop", "real", "unit.txt", "zone.txt"}));
}

// Every file the manager keeps is rewritten here: the mode the user gave it survives the
// rename of the temporary file over it.
TEST_F(FileIo, ARewriteKeepsTheModeNewFilesFollowTheUmaskAndAWriteProtectedFileIsRefused)
{
    write("shared.cfi", "old");
    ASSERT_EQ(::chmod(path("shared.cfi").c_str(), 0640), 0);
    ASSERT_TRUE(replaceFile(path("shared.cfi"), "new").ok);
    EXPECT_EQ(read("shared.cfi"), "new");
    EXPECT_EQ(modeOf(path("shared.cfi")), 0640u);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(replaceFile(path("fresh.cfi"), "new").ok);
    ::umask(mask);
    EXPECT_EQ(modeOf(path("fresh.cfi")), 0644u);

    ASSERT_EQ(::chmod(path("shared.cfi").c_str(), 0444), 0);
    const FileResult refused = replaceFile(path("shared.cfi"), "newer");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, path("shared.cfi") + ": Permission denied");
    EXPECT_EQ(read("shared.cfi"), "new");
    EXPECT_EQ(modeOf(path("shared.cfi")), 0444u);
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
    EXPECT_EQ(bytes, 100000u);
    EXPECT_EQ(read("007.WAV"), read("source.wav"));

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
    const struct {
        std::string name;
        bool utf8;
    } names[] = {
        {"plain.cfi", true},
        {"caf\xc3\xa9 \xf0\x9f\x8e\xb5.cfi", true},
        {"bad\xff\xfe.cfi", false},
        {"cut\xe2\x82", false},                                  // a sequence cut short
        {"overlong\xc0\xaf\xe0\x80\xaf\xf0\x80\x80\xaf", false}, // '/' in two, three and four bytes
        {"surrogate\xed\xb2\x80", false},                        // U+DC80, the stand-in of byte 0x80
        {"above\xf4\x90\x80\x80", false},                        // past U+10FFFF
        {"pair\xf0\x90\x82\x80\xc2", false},                     // U+10080 (low half U+DC80), then a cut
    };
    for (const auto& n : names) {
        const QString held = fileNameFromPath(path(n.name));
        EXPECT_EQ(filePath(held), path(n.name)) << n.name;
        EXPECT_EQ(held == QString::fromUtf8(path(n.name)), n.utf8) << n.name;
        ASSERT_TRUE(replaceFile(filePath(held), n.name).ok) << n.name;
        EXPECT_EQ(read(n.name), n.name);
    }
    std::vector<std::string> listed;
    ASSERT_TRUE(listFolder(dir(), listed).ok);
    EXPECT_EQ(listed.size(), std::size(names));
    for (const std::string& name : listed)
        ::unlink(path(name).c_str()); // QTemporaryDir cannot remove what it cannot name
}
