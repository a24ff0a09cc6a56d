#include "sites/Fingerprints.h"

namespace q7582 {

std::vector<FingerprintMatch> findInSites(const ConfigImage&, const std::vector<KnownSite>&, const QString&)
{
    return {};
}

void refreshFingerprints(const QString&) {}

QString recognitionText(const FingerprintMatch& match)
{
    const QString direction =
        match.name.direction == HistoryDirection::Upload ? QStringLiteral("Upload") : QStringLiteral("Download");
    return QStringLiteral("This configuration is the one site %1 keeps for master %2, %3 of %4")
        .arg(match.siteName)
        .arg(match.name.master)
        .arg(direction, match.name.date.toString(QStringLiteral("dd/MM/yyyy")));
}

} // namespace q7582
