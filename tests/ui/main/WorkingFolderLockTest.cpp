// The working folder's lock: a second manager refused, a crashed one's lock taken over.

#include "ui/main/WorkingFolderLock.h"
#include "FileFixture.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace q7582::test {
namespace {

// The id of a process that has already ended, as a crashed manager's would be.
qint64 endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

using WorkingFolderLock = FileFixture;

TEST_F(WorkingFolderLock, ASecondManagerIsRefusedUntouchedAndACrashedOnesLockIsTakenOver)
{
    const std::string lockName = WorkingFolderLockName;
    ScriptedDialogs dialogs;
    auto running = lockWorkingFolder(dialogs, tmp.path());
    ASSERT_TRUE(running);
    const std::string held = read(lockName);

    EXPECT_FALSE(lockWorkingFolder(dialogs, tmp.path()));
    EXPECT_EQ(dialogs.warnings, (std::vector<ScriptedDialogs::Box>{{"Errore", AlreadyRunningText}}));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{WorkingFolderLockName});
    EXPECT_EQ(read(lockName), held);

    // The same lock, left behind by a process that is gone.
    running.reset();
    ASSERT_FALSE(QFile::exists(tmp.filePath(WorkingFolderLockName)));
    write(lockName, std::to_string(endedProcess()) + held.substr(held.find('\n')));
    running = lockWorkingFolder(dialogs, tmp.path());
    EXPECT_TRUE(running);
    EXPECT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(read(lockName), held);
}

} // namespace
} // namespace q7582::test
