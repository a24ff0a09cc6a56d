#pragma once
// The status bar's last panel: why a present device could not be opened, and the fix.

#include "link/OpenFailure.h"

#include <QString>

namespace q7582 {

struct DeviceHint {
    QString text;
    QString toolTip;
};

// Empty text and tool tip when nothing stands in the way.
DeviceHint deviceHint(OpenFailure failure);

} // namespace q7582
