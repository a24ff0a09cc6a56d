// A site's name and folder, the list of known sites and the old shared folder becoming a
// site. Every test keeps its files, its list and its home in a temporary folder.

#include "ByteNamedFolder.h"
#include "FileFixture.h"
#include "WriteFailure.h"
#include "app/WorkingFolderLock.h"
#include "model/FilePath.h"
#include "sites/LegacyFolder.h"
#include "sites/SiteSession.h"

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

TEST_F(Sites, ANameIsSiteTxtOrTheFoldersOwnNameAndOnlySoundNamesAreWritten)
{
    makeDir("hotel");
    EXPECT_EQ(siteNameOf(at("hotel")), "hotel");
    EXPECT_EQ(siteNameOf(at("hotel/")), "hotel");
    ASSERT_TRUE(writeSiteName(at("hotel"), QStringLiteral("Hotel Milano")).ok);
    EXPECT_EQ(read("hotel/site.txt"), "Hotel Milano\r\n");
    EXPECT_EQ(siteNameOf(at("hotel")), "Hotel Milano");

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
}

TEST_F(Sites, CreatingASiteNumbersATakenNameAndLeavesNothingWhenItFails)
{
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
    EXPECT_FALSE(underFile.result.ok);
    EXPECT_TRUE(underFile.folder.isEmpty());
    {
        const WriteFailure fullDisk;
        const NewSite full = createSite(at("home"), QStringLiteral("Full"));
        EXPECT_FALSE(full.result.ok);
    }
    EXPECT_FALSE(QFileInfo::exists(at("home/Full"))); // no half-made site

    qputenv("XDG_CONFIG_HOME", at("xdg").toUtf8());
    put("xdg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + path("docs") + "\"\n");
    EXPECT_EQ(sitesHome(), at("docs/Q7582 Sites"));
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(Sites, TheListIsMostRecentFirstAtMostFiftyAndShowsWhatIsNoFolder)
{
    EXPECT_TRUE(known.list().empty());
    EXPECT_FALSE(known.lastUsed());
    for (int i = 0; i < 55; ++i) {
        makeDir("s" + std::to_string(i));
        ASSERT_TRUE(known.markUsed(at("s" + std::to_string(i))).ok);
    }
    ASSERT_TRUE(known.markUsed(at("s3/")).ok); // the same folder moves up
    std::vector<KnownSite> sites = known.list();
    ASSERT_EQ(sites.size(), 50u);
    EXPECT_EQ(sites[0].folder, at("s3"));
    EXPECT_EQ(sites[1].folder, at("s54"));
    EXPECT_EQ(known.lastUsed(), at("s3"));
    EXPECT_TRUE(std::none_of(sites.begin(), sites.end(), [&](const KnownSite& s) { return s.folder == at("s4"); }));

    ASSERT_EQ(::rmdir(path("s54").c_str()), 0);
    ASSERT_EQ(::rmdir(path("s52").c_str()), 0);
    write("s52", "a file now");
    ASSERT_EQ(::rmdir(path("s51").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("s51").c_str(), 0600), 0);
    sites = known.list();
    EXPECT_EQ(std::tuple(sites[1].present, sites[1].problem, sites[1].name),
              std::tuple(false, QString("missing"), QString("s54")));
    EXPECT_EQ(sites[3].problem, "a file, not a folder");
    EXPECT_EQ(sites[4].problem, "a FIFO, not a folder");
    EXPECT_TRUE(sites[5].present);

    ASSERT_TRUE(known.remove(at("s54")).ok);
    EXPECT_EQ(known.list()[1].folder, at("s53"));
}

TEST_F(Sites, ADamagedListReadsAsWhatCanBeReadAndAFifoAsNoneWithoutWaiting)
{
    makeDir("a");
    put("config/qs7582/sites.txt",
        "relative/x\n\n" + path("a") + "\r\n" + std::string("\0\xff\x01", 3) + "\n" + path("a") + "\n");
    const std::vector<KnownSite> sites = known.list();
    ASSERT_EQ(sites.size(), 1u);
    EXPECT_EQ(sites[0].folder, at("a"));

    ASSERT_EQ(::unlink(path("config/qs7582/sites.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("config/qs7582/sites.txt").c_str(), 0600), 0);
    EXPECT_TRUE(known.list().empty());
    EXPECT_FALSE(known.markUsed(at("a")).ok); // a FIFO is not written through

    qputenv("Q7582_SITES_LIST", "/tmp/elsewhere.txt");
    EXPECT_EQ(KnownSites::defaultListFile(), "/tmp/elsewhere.txt");
    qunsetenv("Q7582_SITES_LIST");

    // A folder named in bytes that are not UTF-8 is listed as it is.
    const test::ByteNamedFolder latin1(path("h\xf4tel"));
    KnownSites other(at("other.txt"));
    ASSERT_TRUE(other.markUsed(fileNameFromPath(latin1.path)).ok);
    EXPECT_EQ(read("other.txt"), latin1.path + "\n");
    EXPECT_TRUE(other.list().at(0).present);
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
    EXPECT_EQ(siteNameOf(done.folder), "My site");
    EXPECT_EQ(known.lastUsed(), done.folder);
    EXPECT_TRUE(done.message.contains(at("share/qs7582")));

    EXPECT_FALSE(adoptLegacyFolder(known, at("share/qs7582"), at("docs/Q7582 Sites")).migrated);
    EXPECT_FALSE(adoptLegacyFolder(known, at("nothing"), at("docs/Q7582 Sites")).migrated);
    makeDir("empty");
    EXPECT_FALSE(adoptLegacyFolder(known, at("empty"), at("docs/Q7582 Sites")).migrated);
}

TEST_F(Legacy, AFolderThatCannotMoveIsASiteWhereItIs)
{
    write("docs", "a file where home would go");
    LegacyMigration done = adoptLegacyFolder(known, at("share/qs7582"), at("docs/Q7582 Sites"));
    EXPECT_TRUE(done.migrated);
    EXPECT_EQ(done.folder, at("share/qs7582"));
    EXPECT_EQ(known.lastUsed(), at("share/qs7582"));
    EXPECT_EQ(read("share/qs7582/QS7582.ini"), "[Main]\r\n");

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

} // namespace
} // namespace q7582
