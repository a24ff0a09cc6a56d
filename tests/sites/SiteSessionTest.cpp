// Where the window starts and how it goes to another site: the working folder and the
// lock follow, a refused switch changes nothing.

#include "sites/SiteSession.h"
#include "ByteNamedFolder.h"
#include "FileFixture.h"
#include "app/WorkingFolderLock.h"
#include "model/FilePath.h"

#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace q7582 {
namespace {

class Session : public FileFixture {
protected:
    QString at(const std::string& name) const { return QString::fromStdString(path(name)); }
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
