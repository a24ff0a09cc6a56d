#pragma once
// The .cfi files recently opened or saved at this site: `recent-files.txt` in the working
// folder, one name a line as the system spells it (any bytes but a line end), most recent
// first. A name may be relative to the working folder or absolute; a missing file stays
// listed until it is removed, so that a file on a stick that is not plugged in is kept.

#include "model/FileIo.h"

#include <string>
#include <vector>

namespace q7582 {

inline constexpr const char* RecentFilesName = "recent-files.txt";

class RecentFiles {
public:
    static constexpr std::size_t Kept = 10;

    // folder: the working folder the list lives in.
    explicit RecentFiles(std::string folder);

    // The list as the file holds it now (a missing or unreadable file holds none).
    std::vector<std::string> names() const;
    // Puts path first (once), keeping at most Kept names; written at once.
    FileResult add(const std::string& path);
    // Drops path from the list; written at once.
    FileResult remove(const std::string& path);

private:
    FileResult store(const std::vector<std::string>& names) const;
    std::string file_;
};

} // namespace q7582
