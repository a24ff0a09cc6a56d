#pragma once
// The window's side of the one-manager lock (app/WorkingFolderLock): a refusal is told
// in an "Errore" box.

#include "app/WorkingFolderLock.h"

namespace q7582 {

class DialogProvider;

// The held lock, or nothing when another manager holds it; then the user has been told
// and no other file of the folder has been touched.
std::unique_ptr<QLockFile> lockWorkingFolder(DialogProvider& dialogs, const QString& folder);
// The same for the working directory, asking through the real message boxes.
std::unique_ptr<QLockFile> lockWorkingFolder();

} // namespace q7582
