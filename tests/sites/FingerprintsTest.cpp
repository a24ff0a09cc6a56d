// Finding a configuration in other sites' histories, and which site a file belongs to.

#include "sites/Fingerprints.h"
#include "FileFixture.h"
#include "history/ConfigHistory.h"
#include "sites/DownloadQuestion.h"
#include "sites/SiteFolder.h"
#include "sites/SiteOrigin.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {
namespace {

ConfigImage imageWith(Byte at200)
{
    ConfigImage image;
    image.bytes.fill(0x11);
    image.bytes[200] = at200;
    return image;
}

class Fingerprints : public FileFixture {
protected:
    // Sites "Hotel Milano" (a) and "Spa" (b); a keeps image 1 as master 1's Download of 03/10/2026.
    void SetUp() override
    {
        for (const char* site : {"a", "b"})
            ASSERT_TRUE(QDir().mkpath(at(site)));
        ASSERT_TRUE(writeSiteName(at("a"), QStringLiteral("Hotel Milano")).ok);
        record("a", 1, 1, HistoryDirection::Download, 3);
        record("a", 2, 2, HistoryDirection::Upload, 4);
        record("b", 1, 0, HistoryDirection::Upload, 5);
    }
    void record(const std::string& site, Byte fill, int master, HistoryDirection direction, int day) const
    {
        const QDateTime when(QDate(2026, 10, day), QTime(9, 0));
        ASSERT_TRUE(ConfigHistory(path(site)).record(imageWith(fill), master, direction, false, when).added);
    }
    std::vector<KnownSite> sites() const
    {
        std::vector<KnownSite> list;
        for (const char* s : {"a", "b", "gone"})
            list.push_back({at(s), siteNameOf(at(s)), QFileInfo(at(s)).isDir(), {}});
        return list;
    }
    std::vector<std::string> found(Byte fill, const std::string& open = "b") const
    {
        std::vector<std::string> names;
        for (const FingerprintMatch& m : findInSites(imageWith(fill), sites(), at(open)))
            names.push_back(m.siteName.toStdString() + ":" + m.entryFileName);
        return names;
    }
    static constexpr const char* Entry = "2026-10-03_09.00.00_master-1_download.cfi";
};

TEST_F(Fingerprints, AnImageKeptInAnotherSiteIsFoundNewestFirstAndNamed)
{
    const std::vector<FingerprintMatch> matches = findInSites(imageWith(1), sites(), at("b"));
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(recognitionText(matches[0]),
              "This configuration is the one site Hotel Milano keeps for master 1, Download of 03/10/2026");
    EXPECT_EQ(found(1, "a"), std::vector<std::string>{"b:2026-10-05_09.00.00_master-0_upload.cfi"});
    EXPECT_TRUE(found(3).empty());
    // The open site reached through a link is still the open site.
    ASSERT_EQ(::symlink(path("a").c_str(), path("link").c_str()), 0);
    EXPECT_EQ(found(1, "link"), found(1, "a"));

    record("b", 2, 4, HistoryDirection::Download, 6);
    EXPECT_EQ(found(2, "gone"), (std::vector<std::string>{"b:2026-10-06_09.00.00_master-4_download.cfi",
                                                          "Hotel Milano:2026-10-04_09.00.00_master-2_upload.cfi"}));
    // The index beside the history, left out of the history's own list.
    EXPECT_NE(read("a/history/.fingerprints").find(std::string(" 32768 ")), std::string::npos);
    std::vector<HistoryEntry> entries;
    ASSERT_TRUE(ConfigHistory(path("a")).list(entries).ok);
    EXPECT_EQ(entries.size(), 2u);
}

// The index only points the way: a changed file is read again, a lying line is checked
// against the bytes, a damaged or unreadable index is rebuilt.
TEST_F(Fingerprints, TheFilesDecideOverTheIndex)
{
    ASSERT_EQ(found(1).size(), 1u);
    const std::string index = read("a/history/.fingerprints");

    write(std::string("a/history/") + Entry,
          std::string(reinterpret_cast<const char*>(imageWith(9).data()), ConfigImage::Size));
    struct timespec later[2] = {{0, UTIME_OMIT}, {2000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path(std::string("a/history/") + Entry).c_str(), later, 0), 0);
    EXPECT_TRUE(found(1).empty());
    EXPECT_EQ(found(9).size(), 1u);
    EXPECT_NE(read("a/history/.fingerprints"), index);

    // The old line back with the new file's size and time: the bytes say no.
    const std::string now = read("a/history/.fingerprints");
    std::string lying = now;
    const std::size_t line = lying.find(Entry);
    const std::size_t start = lying.rfind('\n', line) == std::string::npos ? 0 : lying.rfind('\n', line) + 1;
    lying.replace(start, 40, index.substr(index.find(Entry) > 0 ? index.rfind('\n', index.find(Entry)) + 1 : 0, 40));
    ASSERT_NE(lying, now);
    write("a/history/.fingerprints", lying);
    EXPECT_TRUE(found(1).empty());

    write("a/history/.fingerprints", std::string("\xff\xfe garbage\n zz 1 2\n", 19));
    EXPECT_EQ(found(9).size(), 1u);
    EXPECT_EQ(read("a/history/.fingerprints").find("garbage"), std::string::npos);

    ASSERT_EQ(::unlink(path("a/history/.fingerprints").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("a/history/.fingerprints").c_str(), 0600), 0);
    EXPECT_EQ(found(9).size(), 1u); // read, not waited on
}

TEST_F(Fingerprints, AFileBelongsToTheKnownSiteHoldingIt)
{
    write("a/saved.cfi", "x");
    std::optional<SiteOrigin> origin = siteOfFile(at(std::string("a/history/") + Entry), sites(), at("b"));
    ASSERT_TRUE(origin);
    EXPECT_EQ(std::tuple(origin->name, origin->master), std::tuple(QString("Hotel Milano"), std::optional(1)));
    EXPECT_EQ(crossSiteQuestion(*origin, QStringLiteral("Spa")),
              "This configuration belongs to site Hotel Milano (master 1); the open site is Spa. Download anyway?");

    origin = siteOfFile(at("b/../a/saved.cfi"), sites(), at("b"));
    ASSERT_TRUE(origin);
    EXPECT_FALSE(origin->master);
    EXPECT_EQ(crossSiteFact(*origin, QStringLiteral("Spa")),
              "This configuration belongs to site Hotel Milano; the open site is Spa.");

    ASSERT_EQ(::symlink(path("a").c_str(), path("alias").c_str()), 0);
    EXPECT_FALSE(siteOfFile(at("a/saved.cfi"), sites(), at("alias"))); // the open site's own
    EXPECT_FALSE(siteOfFile(at("ab.cfi"), sites(), at("b")));          // beside a, not in it
    EXPECT_FALSE(siteOfFile(at("a/none.cfi"), sites(), at("b")));
    ASSERT_TRUE(QDir().mkpath(at("a/inner")));
    write("a/inner/x.cfi", "x");
    std::vector<KnownSite> nested = sites();
    nested.push_back({at("a/inner"), QStringLiteral("Inner"), true, {}});
    EXPECT_EQ(siteOfFile(at("a/inner/x.cfi"), nested, at("b"))->name, "Inner");
}

// The Download's one box beyond what the window's tests click through: both objections
// at once, a master that holds it already, an entry that cannot be read.
using DownloadQuestions = FileFixture;
using A = DownloadAnswer;

TEST_F(DownloadQuestions, OneBoxNamesEveryFactAndAnObjectionMakesNoTheDefault)
{
    const ConfigHistory history(dir());
    ConfigImage image;
    ASSERT_TRUE(
        history.record(image, 1, HistoryDirection::Download, false, QDateTime(QDate(2026, 10, 1), QTime(9, 0))).added);
    write("history/2026-10-03_09.00.00_master-4_download.cfi", "short");
    Provenance p;
    p.origin = ConfigOrigin::OriginFile;
    p.fileMaster = 2;
    p.originSiteFolder = "/sites/spa";
    p.originSiteName = "Spa";
    p.originSiteMaster = 2;
    const NameTables names;
    DownloadQuestion q = downloadQuestion({image, p, 1, "Hotel"}, history, names);
    EXPECT_EQ(q.text, "The master already holds this configuration\n\nThis configuration was read from master 2; the "
                      "connected master is 1. This configuration belongs to site Spa (master 2); the open site is "
                      "Hotel. Download anyway?");
    EXPECT_EQ(std::tuple(q.answers, q.defaultAnswer, answerText(A::No, q)),
              std::tuple(std::vector<A>{A::Download, A::No}, A::No, QString("No")));
    q = downloadQuestion({image, Provenance{}, 4, "Hotel"}, history, names);
    EXPECT_TRUE(q.text.startsWith("The newest history entry of master 4 cannot be read: ")) << q.text.toStdString();
    EXPECT_EQ(q.answers, (std::vector<A>{A::Download, A::ReadMasterFirst, A::No}));
}

} // namespace
} // namespace q7582
