#include "sites/LegacyFolder.h"

#include <QStandardPaths>

namespace q7582 {

QString legacyFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qs7582");
}

LegacyMigration adoptLegacyFolder(KnownSites&, const QString&, const QString&) { return {}; }

} // namespace q7582
