#pragma once
// The folder earlier versions kept everything in, for every customer alike, becomes a
// site of its own the first time this version starts.

#include "sites/KnownSites.h"
#include "sites/SiteFolder.h"

#include <QString>

namespace q7582 {

inline constexpr const char* LegacySiteName = "My site";

// ~/.local/share/qs7582 (the user's data folder).
QString legacyFolder();

struct LegacyMigration {
    bool migrated = false; // a site was made of it
    QString folder;        // where that site now is
    QString message;       // what was done, or why nothing could be
};

// When legacy is a real folder holding any file and is not a known site yet, it becomes
// the site "My site": moved to home (same file system) with a symbolic link left at the
// old path, or, when it cannot be moved, registered where it is. Nothing is copied or
// deleted.
LegacyMigration adoptLegacyFolder(KnownSites& known, const QString& legacy = legacyFolder(),
                                  const QString& home = sitesHome());

} // namespace q7582
