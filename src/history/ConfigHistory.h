#pragma once
// The history folder: every configuration read from or written to a master, one .cfi
// file each (HistoryName gives its name). Entries are added, never changed or deleted.

#include "history/HistoryName.h"
#include "model/ConfigImage.h"
#include "model/FileIo.h"

#include <QDateTime>

#include <optional>
#include <string>
#include <vector>

namespace q7582 {

struct HistoryEntry {
    std::string fileName;            // as it stands in the folder
    std::optional<HistoryName> name; // nothing: a name that does not parse ("unknown")
    std::string unreadable;          // why the file is no image; empty for an image
    std::optional<int> differences;  // from the previous readable entry of the same master
    bool readable() const { return unreadable.empty(); }
};

struct HistoryWrite {
    FileResult result;
    std::string fileName; // the entry holding the image: the new one, or the newest identical one
    bool added = false;
};

// The lines the comparison counts between two images (0 when identical).
int countDifferences(const ConfigImage& from, const ConfigImage& to);

class ConfigHistory {
public:
    static constexpr const char* FolderName = "history";

    explicit ConfigHistory(const std::string& workingFolder = ".");

    const std::string& folder() const { return folder_; }
    std::string pathOf(const std::string& fileName) const { return folder_ + "/" + fileName; }

    // Keeps the image as the newest entry of that master and direction, written whole
    // through a temporary file (the folder is made when missing). An image identical to
    // the newest entry of the same master and direction, partial alike, is not stored
    // again: the write then names that entry.
    HistoryWrite record(const ConfigImage& image, int master, HistoryDirection direction, bool partial,
                        const QDateTime& now) const;

    // Every entry, newest first, entries with an unknown name last. Hidden files (the
    // temporaries of a write cut short) are left out; a missing folder is an empty history.
    FileResult list(std::vector<HistoryEntry>& entries) const;
    // The same order by the names alone: no file is read (no reason unreadable, no differences).
    FileResult listNames(std::vector<HistoryEntry>& entries) const;

private:
    std::string folder_;
};

} // namespace q7582
