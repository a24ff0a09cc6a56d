#pragma once
// One manager per working folder, window or terminal command: two would rewrite each
// other's settings, name and history files and fight over the device. The lock is a file
// in the folder that the operating system ties to the running manager, so one left
// behind by a crash is taken over.

#include <QLockFile>
#include <QString>

#include <memory>

namespace q7582 {

inline constexpr const char* WorkingFolderLockName = "QS7582.lock";

// The lock, held for the whole run, or nothing when another manager holds it; then no
// other file of the folder has been touched. A folder where no lock can be made
// (read-only) is not refused: no file can be written there anyway.
std::unique_ptr<QLockFile> tryLockWorkingFolder(const QString& folder);

// Why a second manager in the folder is refused, in the interface language.
QString alreadyRunningText();

} // namespace q7582
