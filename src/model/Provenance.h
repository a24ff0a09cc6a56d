#pragma once
// Where the current configuration came from and whether it was edited since.
// The main window owns one; the builders and transfers report the changes they make.

#include "model/Bytes.h"
#include "model/ConfigImage.h"
#include "model/StatusBlock.h"

#include <cstdint>
#include <optional>
#include <string>

namespace q7582 {

enum class ConfigOrigin { OriginDefault, OriginMaster, OriginFile };

struct Provenance {
    ConfigOrigin origin = ConfigOrigin::OriginDefault;
    bool modified = false;
    int defaultMasterNumber = 0;
    Byte uploadedMasterByte = 0;
    std::string currentFileName;
    // Changed by the editor since it was last saved, uploaded or downloaded: closing asks.
    bool unsaved = false;
    std::int64_t uploadedAtMsecs = 0; // when the last Upload completed, ms since the epoch
    // The master of the history entry last opened; nothing for any other file.
    std::optional<int> fileMaster = std::nullopt;
    // Another site's configuration (opened from its folder or recognised after an
    // Upload): its folder, name and master when known. Empty folder: none.
    std::string originSiteFolder{};
    std::string originSiteName{};
    std::optional<int> originSiteMaster = std::nullopt;
};

// The configuration is this site's own, or nobody's: a default, a file or an Upload
// until recognised.
inline void clearOriginSite(Provenance& p)
{
    p.originSiteFolder.clear();
    p.originSiteName.clear();
    p.originSiteMaster.reset();
}

// The master the configuration belongs to: the one it was uploaded from, whose default
// it is, or whose history entry was opened; nothing for any other file.
inline std::optional<int> configurationMaster(const Provenance& p)
{
    switch (p.origin) {
    case ConfigOrigin::OriginDefault:
        return p.defaultMasterNumber;
    case ConfigOrigin::OriginMaster:
        return StatusBlock::masterAddressOf(p.uploadedMasterByte);
    case ConfigOrigin::OriginFile:
        break;
    }
    return p.fileMaster;
}

} // namespace q7582

namespace q7582 {

// End of a completed Upload at atMsecs: the image now is the master's.
inline void applyUploadCompleted(Provenance& p, Byte addressChime, std::int64_t atMsecs)
{
    p.origin = ConfigOrigin::OriginMaster;
    p.uploadedMasterByte = addressChime;
    p.uploadedAtMsecs = atMsecs;
    clearOriginSite(p); // set again when another site's history holds it
    p.modified = false;
    p.unsaved = false;
}

// End of a completed Download: the master now holds the image; it counts as unmodified
// only when it came from this same master (same address and chime byte).
inline void applyDownloadCompleted(Provenance& p, Byte addressChime)
{
    if (p.origin == ConfigOrigin::OriginMaster && p.uploadedMasterByte == addressChime)
        p.modified = false;
    p.unsaved = false; // the master keeps it
}

// The configuration editor's changes were accepted: they become the image.
inline void applyEditorAccepted(ConfigImage& image, Provenance& p, const ConfigImage& edited)
{
    image = edited;
    p.modified = true;
    p.unsaved = true;
}

} // namespace q7582
