#pragma once
// Which other site a configuration file belongs to, and the question a Download of it asks.

#include "model/Provenance.h"
#include "sites/KnownSites.h"

#include <QString>

#include <optional>
#include <vector>

namespace q7582 {

struct SiteOrigin {
    QString folder;
    QString name;
    std::optional<int> master; // when the file is one of that site's history entries
};

// The known site other than openFolder whose folder holds filePath (paths compared with
// symbolic links resolved); nothing when it is in none, or in the open one.
std::optional<SiteOrigin> siteOfFile(const QString& filePath, const std::vector<KnownSite>& sites,
                                     const QString& openFolder);

// Names in p the known site other than openFolder that holds the file just opened, or
// none.
void applySiteOfFile(Provenance& p, const QString& filePath, const QString& openFolder);

// "This configuration belongs to site A (master 1); the open site is B."
QString crossSiteFact(const SiteOrigin& origin, const QString& openSiteName);
// The fact and " Download anyway?"
QString crossSiteQuestion(const SiteOrigin& origin, const QString& openSiteName);

} // namespace q7582
