// A site's name and folder, the list of known sites and the old shared folder becoming a
// site. Every test keeps its files, its list and its home in a temporary folder.

#include "sites/SiteFolder.h"
#include "ByteNamedFolder.h"
#include "FileFixture.h"
#include "WriteFailure.h"
#include "app/InterfaceLanguage.h"
#include "app/WorkingFolderLock.h"
#include "history/ConfigHistory.h"
#include "model/FilePath.h"
#include "sites/DownloadQuestion.h"
#include "sites/Fingerprints.h"
#include "sites/LegacyFolder.h"
#include "sites/SiteOrigin.h"
#include "sites/SiteSession.h"

#include <fcntl.h>
#include <unistd.h>

namespace q7582 {
namespace {

class Sites : public FileFixture {
protected:
    KnownSites known{at("config/qs7582/sites.txt")};
    void makeDir(const std::string& name) const { ASSERT_TRUE(QDir().mkpath(at(name))); }
    void put(const std::string& name, const std::string& bytes) const
    {
        QDir().mkpath(QFileInfo(at(name)).path());
        write(name, bytes);
    }
};

TEST_F(Sites, ANameIsSiteTxtOrTheFoldersOwnNameOnlySoundNamesAreWrittenAndATakenOneIsNumbered)
{
    makeDir("hotel");
    EXPECT_EQ(std::tuple(siteNameOf(at("hotel")), siteNameOf(at("hotel/"))), std::tuple("hotel", "hotel"));
    ASSERT_TRUE(writeSiteName(at("hotel"), QStringLiteral("Hotel Milano")).ok);
    EXPECT_EQ(std::tuple(read("hotel/site.txt"), siteNameOf(at("hotel"))),
              std::tuple("Hotel Milano\r\n", "Hotel Milano"));

    for (const QString& bad :
         {QString(), QStringLiteral("a/b"), QStringLiteral("."), QStringLiteral(".."), QStringLiteral(".hidden"),
          QString(300, QLatin1Char('x')), QStringLiteral("tab\there"), QStringLiteral(" padded")}) {
        EXPECT_FALSE(siteNameProblem(bad).isEmpty()) << bad.toStdString();
        EXPECT_FALSE(writeSiteName(at("hotel"), bad).ok) << bad.toStdString();
    }
    EXPECT_EQ(read("hotel/site.txt"), "Hotel Milano\r\n");
    EXPECT_EQ(siteNameProblem(QString(100, QLatin1Char('x'))), "");
    EXPECT_EQ(siteNameProblem(QStringLiteral("Café Ünter (Süd)")), "");

    write("hotel/site.txt", "../evil\r\n"); // edited by hand into a name no site may have
    EXPECT_EQ(siteNameOf(at("hotel")), "hotel");

    const test::ByteNamedFolder latin1(path("caf\xe9"));
    EXPECT_EQ(filePath(siteNameOf(fileNameFromPath(latin1.path))), "caf\xe9");

    const NewSite first = createSite(at("home/Q7582 Sites"), QStringLiteral("Hotel Milano"));
    ASSERT_TRUE(first.result.ok) << first.result.error;
    EXPECT_EQ(first.folder, at("home/Q7582 Sites/Hotel Milano"));
    write("home/Q7582 Sites/Hotel Milano (2)", "a file takes the next name");
    const NewSite second = createSite(at("home/Q7582 Sites"), QStringLiteral("Hotel Milano"));
    ASSERT_TRUE(second.result.ok);
    EXPECT_EQ(second.folder, at("home/Q7582 Sites/Hotel Milano (3)"));
    EXPECT_EQ(siteNameOf(second.folder), "Hotel Milano"); // two sites, one name: the folders differ

    EXPECT_FALSE(createSite(at("home"), QStringLiteral("..")).result.ok);
    write("plain", "x");
    const NewSite underFile = createSite(at("plain"), QStringLiteral("A"));
    EXPECT_EQ(std::pair(underFile.result.ok, underFile.folder), std::pair(false, QString()));
    {
        const WriteFailure fullDisk;
        EXPECT_FALSE(createSite(at("home"), QStringLiteral("Full")).result.ok);
    }
    EXPECT_FALSE(QFileInfo::exists(at("home/Full"))); // no half-made site

    qputenv("XDG_CONFIG_HOME", at("xdg").toUtf8());
    put("xdg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + path("docs") + "\"\n");
    EXPECT_EQ(sitesHome(), at("docs/Q7582 Sites"));
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(Sites, TheListIsMostRecentFirstAtMostFiftyAndADamagedOneReadsAsWhatCanBeRead)
{
    EXPECT_EQ(std::pair(known.list().empty(), bool(known.lastUsed())), std::pair(true, false));
    for (int i = 0; i < 55; ++i) {
        makeDir("s" + std::to_string(i));
        ASSERT_TRUE(known.markUsed(at("s" + std::to_string(i))).ok);
    }
    ASSERT_TRUE(known.markUsed(at("s3/")).ok); // the same folder moves up
    std::vector<KnownSite> sites = known.list();
    ASSERT_EQ(sites.size(), 50u);
    EXPECT_EQ(std::tuple(sites[0].folder, sites[1].folder, known.lastUsed()),
              std::tuple(at("s3"), at("s54"), at("s3")));
    EXPECT_TRUE(std::none_of(sites.begin(), sites.end(), [&](const KnownSite& s) { return s.folder == at("s4"); }));

    ASSERT_EQ(::rmdir(path("s54").c_str()), 0);
    ASSERT_EQ(::rmdir(path("s52").c_str()), 0);
    write("s52", "a file now");
    ASSERT_EQ(::rmdir(path("s51").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("s51").c_str(), 0600), 0);
    sites = known.list();
    EXPECT_EQ(std::tuple(sites[1].present, sites[1].problem, sites[1].name, sites[3].problem, sites[4].problem,
                         sites[5].present),
              std::tuple(false, "missing", "s54", "a file, not a folder", "a FIFO, not a folder", true));

    ASSERT_TRUE(known.remove(at("s54")).ok);
    EXPECT_EQ(known.list()[1].folder, at("s53"));

    makeDir("a");
    put("config/qs7582/sites.txt",
        "relative/x\n\n" + path("a") + "\r\n" + std::string("\0\xff\x01", 3) + "\n" + path("a") + "\n");
    sites = known.list();
    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(sites[0].folder, at("a"));

    ASSERT_EQ(::unlink(path("config/qs7582/sites.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("config/qs7582/sites.txt").c_str(), 0600), 0);
    EXPECT_TRUE(known.list().empty());
    EXPECT_FALSE(known.markUsed(at("a")).ok); // a FIFO is not written through

    // A folder named in bytes that are not UTF-8 is listed as it is.
    const test::ByteNamedFolder latin1(path("h\xf4tel"));
    KnownSites other(at("other.txt"));
    ASSERT_TRUE(other.markUsed(fileNameFromPath(latin1.path)).ok);
    EXPECT_EQ(std::pair(read("other.txt"), other.list().at(0).present), std::pair(latin1.path + "\n", true));
}

class Legacy : public Sites {
protected:
    void SetUp() override
    {
        put("share/qs7582/QS7582.ini", "[Main]\r\n");
        put("share/qs7582/history/2026-10-03_09.00.00_master-1_download.cfi", std::string(32768, '\x5a'));
    }
};

TEST_F(Legacy, TheOldFolderMovesIntoHomeWithALinkLeftAndIsAdoptedOnce)
{
    const LegacyMigration done = adoptLegacyFolder(known, at("share/qs7582"), at("docs/Q7582 Sites"));
    ASSERT_TRUE(done.migrated) << done.message.toStdString();
    EXPECT_EQ(done.folder, at("docs/Q7582 Sites/My site"));
    struct stat st;
    ASSERT_EQ(::lstat(path("share/qs7582").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(read("share/qs7582/QS7582.ini"), "[Main]\r\n"); // through the link
    EXPECT_EQ(read("docs/Q7582 Sites/My site/history/2026-10-03_09.00.00_master-1_download.cfi"),
              std::string(32768, '\x5a'));
    EXPECT_EQ(std::tuple(siteNameOf(done.folder), known.lastUsed()), std::tuple("My site", done.folder));
    EXPECT_TRUE(done.message.contains(at("share/qs7582")));

    makeDir("empty");
    for (const char* old : {"share/qs7582", "nothing", "empty"}) // adopted once; nothing to adopt
        EXPECT_FALSE(adoptLegacyFolder(known, at(old), at("docs/Q7582 Sites")).migrated) << old;
}

TEST_F(Legacy, AFolderThatCannotMoveIsASiteWhereItIs)
{
    write("docs", "a file where home would go");
    LegacyMigration done = adoptLegacyFolder(known, at("share/qs7582"), at("docs/Q7582 Sites"));
    EXPECT_EQ(std::tuple(done.migrated, done.folder, known.lastUsed(), read("share/qs7582/QS7582.ini")),
              std::tuple(true, at("share/qs7582"), at("share/qs7582"), "[Main]\r\n"));

    ASSERT_TRUE(known.remove(at("share/qs7582")).ok);
    const std::unique_ptr<QLockFile> running = tryLockWorkingFolder(at("share/qs7582"));
    ASSERT_TRUE(running);
    done = adoptLegacyFolder(known, at("share/qs7582"), at("home"));
    EXPECT_EQ(done.folder, at("share/qs7582")); // a manager works there: not moved under it
    EXPECT_TRUE(done.message.contains("another manager is using it")) << done.message.toStdString();
    EXPECT_FALSE(QFileInfo::exists(at("home/My site")));
}

// Where the window starts and how it goes to another site: the working folder and the
// lock follow, a refused switch changes nothing.
class Session : public FileFixture {
protected:
    static QString cwd() { return QDir::currentPath(); }
    void TearDown() override { ASSERT_EQ(::chdir("/"), 0); }
    KnownSites known{at("sites.txt")};
};

TEST_F(Session, TheTerminalStartsInItsFolderAndTheMenuEntryInTheLastSiteThereOrAsksForOne)
{
    ASSERT_TRUE(QDir().mkpath(at("legacy/history")) && QDir().mkpath(at("b")));
    EXPECT_TRUE(chooseStartSite(false, known, at("legacy"), at("home")).folder.isEmpty()); // nothing adopted
    EXPECT_TRUE(known.list().empty() && !QFileInfo(at("legacy")).isSymLink());
    const StartSite adopted = chooseStartSite(true, known, at("legacy"), at("home"));
    EXPECT_TRUE(adopted.folder == at("home/My site") && QFileInfo(at("legacy")).isSymLink())
        << adopted.folder.toStdString();
    ASSERT_TRUE(known.markUsed(at("b")).ok && known.markUsed(at("gone")).ok);
    const StartSite next = chooseStartSite(true, known, at("legacy"), at("home")); // the last one is missing
    EXPECT_TRUE(next.folder == at("b") && next.notice.contains(at("gone") + " is missing"))
        << next.notice.toStdString();
    KnownSites none{at("none.txt")};
    EXPECT_TRUE(chooseStartSite(true, none, at("nothing"), at("home")).askName);
}

TEST_F(Session, ASwitchTakesTheNewLockFirstAndARefusedOneChangesNothing)
{
    const test::ByteNamedFolder latin1(path("caf\xe9"));
    for (const char* name : {"a", "taken", "c"})
        ASSERT_TRUE(QDir().mkpath(at(name)));
    write("file", "x");
    ASSERT_TRUE(::mkfifo(path("fifo").c_str(), 0600) == 0 && ::symlink(path("a").c_str(), path("link").c_str()) == 0);
    SiteSession session(known);
    ASSERT_TRUE(session.enter(at("a")).isEmpty());
    session.opened();
    std::unique_ptr<QLockFile> lock = tryLockWorkingFolder(QStringLiteral("."));
    const std::unique_ptr<QLockFile> other = tryLockWorkingFolder(at("taken")); // another manager's
    for (const auto& [folder, why] : {std::pair{"missing", "missing"},
                                      {"file", "a file"},
                                      {"fifo", "a FIFO"},
                                      {"link", "the one open"},
                                      {"taken", "already running"}})
        EXPECT_TRUE(session.prepareSwitch(at(folder)).contains(why) && !session.switching()) << folder;
    EXPECT_TRUE(cwd() == at("a") && known.list().size() == 1u);

    // Removed between the menu and the switch: the old site stays, its lock taken again.
    ASSERT_TRUE(session.prepareSwitch(at("c")).isEmpty() && QDir(at("c")).removeRecursively());
    EXPECT_TRUE(session.switchNow(lock).contains("missing"));
    EXPECT_TRUE(lock && lock->isLocked() && cwd() == at("a") && session.folder() == at("a"));

    ASSERT_TRUE(session.prepareSwitch(fileNameFromPath(latin1.path)).isEmpty());
    EXPECT_TRUE(session.switchNow(lock).isEmpty());
    EXPECT_TRUE(lock->isLocked() && fileExists(latin1.path + "/QS7582.lock") && !fileExists(path("a/QS7582.lock")));
    EXPECT_EQ(filePath(session.folder()), latin1.path);
}

// Finding a configuration in other sites' histories, and which site a file belongs to.
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

TEST_F(Fingerprints, AnImageKeptInAnotherSiteIsFoundNewestFirstAndAFileBelongsToTheSiteHoldingIt)
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
    EXPECT_EQ(std::tuple(found(1).size(), found(9).size()), std::tuple(0u, 1u));
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
    useInterfaceLanguage(true);
    EXPECT_TRUE(downloadQuestion({image, p, 1, "Hotel"}, history, names).text.endsWith("Fare comunque il Download?"));
    useInterfaceLanguage(false);
    q = downloadQuestion({image, Provenance{}, 4, "Hotel"}, history, names);
    EXPECT_TRUE(q.text.startsWith("The newest history entry of master 4 cannot be read: ")) << q.text.toStdString();
    EXPECT_EQ(q.answers, (std::vector<A>{A::Download, A::ReadMasterFirst, A::No}));
}

} // namespace
} // namespace q7582
