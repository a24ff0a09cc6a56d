#include "ui/main/WorkingFolderLock.h"

#include "ui/common/DialogProvider.h"

namespace q7582 {

std::unique_ptr<QLockFile> lockWorkingFolder(DialogProvider& dialogs, const QString& folder)
{
    auto lock = tryLockWorkingFolder(folder);
    if (!lock)
        dialogs.error(nullptr, alreadyRunningText());
    return lock;
}

std::unique_ptr<QLockFile> lockWorkingFolder()
{
    QtDialogProvider dialogs;
    return lockWorkingFolder(dialogs, QStringLiteral("."));
}

} // namespace q7582
