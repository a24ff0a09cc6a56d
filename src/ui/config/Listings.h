#pragma once
// The five consistency listings of the configuration being edited. Each scans the
// image and returns a report for the viewer; nothing is changed.

#include "model/ConfigImage.h"
#include "reports/ReportLine.h"
#include "settings/NameTables.h"

namespace q7582 {

// " - Key/input 1".." - Key/input 6", " - Key 7".." - Key 36", " - PTT/Lock", ...
QString listingKeyLabel(int key);

Report keysWithEventsListing(const ConfigImage& image, const NameTables& names);
Report keysWithoutZonesListing(const ConfigImage& image, const NameTables& names);
Report messageEventsWithOutputListing(const ConfigImage& image);
Report messageEventsIncompleteListing(const ConfigImage& image);
Report programmedTimersListing(const ConfigImage& image);

} // namespace q7582
