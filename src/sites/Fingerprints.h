#pragma once
// Finding a configuration among the other sites' histories by what it holds. Each site
// keeps history/.fingerprints (hidden, so the history leaves it out): one line
// "<sha1 hex> <size> <mtime ms> <file name>" per entry. The index is only a shortcut: an
// entry whose size or time changed is read again, and a match is checked against the file.

#include "history/HistoryName.h"
#include "model/ConfigImage.h"
#include "sites/KnownSites.h"

#include <QString>

#include <string>
#include <vector>

namespace q7582 {

inline constexpr const char* FingerprintsFileName = ".fingerprints";

struct FingerprintMatch {
    QString siteFolder;
    QString siteName;
    std::string entryFileName;
    HistoryName name;
};

// Every history entry of the present sites but excludeFolder holding exactly these
// bytes, newest first.
std::vector<FingerprintMatch> findInSites(const ConfigImage& image, const std::vector<KnownSite>& sites,
                                          const QString& excludeFolder);

// Brings the site's index up to date with its history (after a history write).
void refreshFingerprints(const QString& siteFolder);

// "This configuration is the one site Hotel Milano keeps for master 1, Download of 03/10/2026".
QString recognitionText(const FingerprintMatch& match);

} // namespace q7582
