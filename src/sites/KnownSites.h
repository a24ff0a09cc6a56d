#pragma once
// The sites the manager has worked in, most recent first: one absolute folder path per
// line in the user's configuration folder (qs7582/sites.txt), or in the file
// Q7582_SITES_LIST names.

#include "model/FileIo.h"

#include <QString>

#include <optional>
#include <vector>

namespace q7582 {

struct KnownSite {
    QString folder;       // absolute, as listed
    QString name;         // siteNameOf the folder; its base name when it is not there
    bool present = false; // an existing folder
    QString problem;      // why it is not: missing, a file, a FIFO...
};

// Why the folder cannot be a site: missing, a file, a FIFO, not readable...; empty when it can.
QString siteFolderProblem(const QString& folder);

class KnownSites {
public:
    static constexpr int MaxSites = 50;

    explicit KnownSites(QString listFile = defaultListFile());
    static QString defaultListFile();

    const QString& listFile() const { return listFile_; }

    // At most MaxSites, most recent first. A damaged or unreadable list reads as what can
    // be read; anything but a regular file reads as an empty list.
    std::vector<KnownSite> list() const;
    // Puts the folder (made absolute, symbolic links kept) first; the oldest beyond
    // MaxSites drop off.
    FileResult markUsed(const QString& folder);
    FileResult remove(const QString& folder);
    // The most recent site, when there is one.
    std::optional<QString> lastUsed() const;

private:
    QString listFile_;
};

} // namespace q7582
