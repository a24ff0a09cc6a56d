// Where the window starts and how it goes from one site to another: the working folder
// and the site's lock follow, a refused switch changes nothing.

#include "sites/SiteSession.h"
#include "ByteNamedFolder.h"
#include "FileFixture.h"
#include "app/WorkingFolderLock.h"
#include "model/FilePath.h"
#include "sites/SiteFolder.h"

#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {
namespace {

class Session : public FileFixture {
protected:
    QString at(const std::string& name) const { return QString::fromStdString(path(name)); }
    QString cwd() const { return fileNameFromPath(QDir::currentPath().toStdString()); }
    void makeDir(const std::string& name) const { ASSERT_TRUE(QDir().mkpath(at(name))); }
    void TearDown() override { ASSERT_EQ(::chdir("/"), 0); }
    KnownSites known{at("sites.txt")};
};

TEST_F(Session, TheTerminalStartsInItsFolderAndTheMenuEntryInTheLastSiteThereOrAsksForOne)
{
    makeDir("legacy/history"); // an old version's folder: only the menu entry adopts it
    EXPECT_TRUE(chooseStartSite(false, known, at("legacy"), at("home")).folder.isEmpty());
    EXPECT_TRUE(known.list().empty() && QFileInfo(at("legacy")).isDir() && !QFileInfo(at("legacy")).isSymLink());

    const StartSite adopted = chooseStartSite(true, known, at("legacy"), at("home"));
    EXPECT_EQ(adopted.folder, at("home/My site"));
    EXPECT_TRUE(adopted.notice.contains("My site") && !adopted.askName) << adopted.notice.toStdString();
    EXPECT_TRUE(QFileInfo(at("legacy")).isSymLink() && QFileInfo(at("home/My site/history")).isDir());

    makeDir("b");
    ASSERT_TRUE(known.markUsed(at("b")).ok && known.markUsed(at("gone")).ok);
    const StartSite next = chooseStartSite(true, known, at("legacy"), at("home"));
    EXPECT_EQ(next.folder, at("b")); // the last one is missing: the next that is there, and why
    EXPECT_TRUE(next.notice.contains(at("gone") + " is missing")) << next.notice.toStdString();

    KnownSites none{at("none.txt")};
    EXPECT_TRUE(chooseStartSite(true, none, at("nothing"), at("home")).askName);
}

TEST_F(Session, ASwitchTakesTheNewLockFirstAndARefusedOneChangesNothing)
{
    const test::ByteNamedFolder latin1(path("caf\xe9"));
    for (const char* name : {"a", "taken", "c"})
        makeDir(name);
    write("file", "x");
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(path("a").c_str(), path("link").c_str()), 0);
    SiteSession session(known);
    ASSERT_TRUE(session.enter(at("a")).isEmpty());
    session.opened();
    std::unique_ptr<QLockFile> lock = tryLockWorkingFolder(QStringLiteral("."));
    const std::unique_ptr<QLockFile> other = tryLockWorkingFolder(at("taken")); // another manager's
    ASSERT_TRUE(lock && other);

    for (const auto& [folder, why] : {std::pair{"missing", "missing"},
                                      {"file", "a file"},
                                      {"fifo", "a FIFO"},
                                      {"link", "the one open"},
                                      {"taken", "already running"}}) {
        EXPECT_TRUE(session.prepareSwitch(at(folder)).contains(why)) << folder;
        EXPECT_FALSE(session.switching()) << folder;
    }
    EXPECT_EQ(cwd(), at("a"));
    EXPECT_EQ(known.list().size(), 1u);

    // Removed between the menu and the switch: the old site stays, its lock taken again.
    ASSERT_TRUE(session.prepareSwitch(at("c")).isEmpty());
    ASSERT_TRUE(QDir(at("c")).removeRecursively());
    EXPECT_TRUE(session.switchNow(lock).contains("missing"));
    EXPECT_TRUE(lock && lock->isLocked() && cwd() == at("a") && session.folder() == at("a"));

    ASSERT_TRUE(session.prepareSwitch(fileNameFromPath(latin1.path)).isEmpty());
    EXPECT_TRUE(session.switchNow(lock).isEmpty());
    EXPECT_EQ(filePath(session.folder()), latin1.path);
    EXPECT_FALSE(QFileInfo::exists(at("a/QS7582.lock"))); // the old lock given up
    EXPECT_TRUE(lock->isLocked() && fileExists(latin1.path + "/QS7582.lock"));
    EXPECT_EQ(filePath(*known.lastUsed()), latin1.path);
    EXPECT_EQ(known.list().size(), 2u);
}

} // namespace
} // namespace q7582
