#include "app/WorkingFolderLock.h"

#include <QCoreApplication>

namespace q7582 {

std::unique_ptr<QLockFile> tryLockWorkingFolder(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(folder + u'/' + QLatin1String(WorkingFolderLockName));
    // Held for the whole run: only a lock whose process is gone counts as stale, never
    // one that is merely old.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0) || lock->error() != QLockFile::LockFailedError)
        return lock;
    return nullptr;
}

QString alreadyRunningText()
{
    return QCoreApplication::translate("WorkingFolderLock", "The Q7582 Manager is already running in this folder");
}

} // namespace q7582
