#include "ui/main/WorkingFolderLock.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

using namespace q7582;
using q7582::test::Box;
using q7582::test::ScriptedDialogs;

namespace {

QByteArray contents(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The id of a process that has already ended, as a crashed manager's would be.
qint64 endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(WorkingFolderLock, ASecondManagerIsRefusedUntouchedAndACrashedOnesLockIsTakenOver)
{
    QTemporaryDir folder;
    const QString lockPath = folder.filePath(WorkingFolderLockName);
    ScriptedDialogs dialogs;
    auto running = lockWorkingFolder(dialogs, folder.path());
    ASSERT_TRUE(running);
    EXPECT_TRUE(dialogs.warnings.empty());
    const QByteArray held = contents(lockPath);

    EXPECT_FALSE(lockWorkingFolder(dialogs, folder.path()));
    EXPECT_EQ(dialogs.warnings, (std::vector<Box>{{"Errore", AlreadyRunningText}}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{WorkingFolderLockName});
    EXPECT_EQ(contents(lockPath), held);

    // The same lock, left behind by a process that is gone.
    running.reset();
    ASSERT_FALSE(QFile::exists(lockPath));
    QByteArray stale = held;
    stale.replace(0, stale.indexOf('\n'), QByteArray::number(endedProcess()));
    put(lockPath, stale);
    running = lockWorkingFolder(dialogs, folder.path());
    EXPECT_TRUE(running);
    EXPECT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(contents(lockPath), held);
}
