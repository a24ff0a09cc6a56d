#pragma once
// Start-up data work: the factory configuration of a master, and the summer-time
// table LEGAL.BIN.

#include "model/ConfigImage.h"
#include "model/LegalFile.h"
#include "model/Provenance.h"

namespace q7582 {

// What building the default leaves in the provenance: origin default, master N, not modified.
struct DefaultBuilt {
    int masterNumber = 0;
    void applyTo(Provenance& p) const
    {
        p.origin = ConfigOrigin::OriginDefault;
        p.defaultMasterNumber = masterNumber;
        clearOriginSite(p);
        p.modified = false;
        p.unsaved = false;
    }
};

// Overwrites the whole image with the factory configuration of master n (0..5); the
// caller applies the returned DefaultBuilt to its provenance and refreshes its caption.
// A master number outside 0..5 throws std::out_of_range and leaves the image untouched.
DefaultBuilt buildDefaultConfiguration(ConfigImage& image, int masterNumber);

} // namespace q7582
