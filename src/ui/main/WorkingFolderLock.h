#pragma once
// One manager per working folder: two would rewrite each other's settings and name
// files. The lock is a file in the folder that the operating system ties to the running
// manager, so one left behind by a crash is taken over.

#include <QLockFile>
#include <QString>

#include <memory>

namespace q7582 {

class DialogProvider;

inline constexpr const char* WorkingFolderLockName = "QS7582.lock";
inline const QString AlreadyRunningText = QStringLiteral("The Q7582 Manager is already running in this folder");

// The held lock, or nothing when another manager holds it; then the user has been told
// in an "Errore" box and no other file of the folder has been touched. A folder where
// no lock can be made (read-only) is not refused: no name file can be written there.
std::unique_ptr<QLockFile> lockWorkingFolder(DialogProvider& dialogs, const QString& folder);
// The same for the working directory, asking through the real message boxes.
std::unique_ptr<QLockFile> lockWorkingFolder();

} // namespace q7582
