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
        p.modified = false;
    }
};

// Overwrites the whole image with the factory configuration of master n (0..5).
DefaultBuilt buildDefaultConfiguration(ConfigImage& image, int masterNumber);

} // namespace q7582
