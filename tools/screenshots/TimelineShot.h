#pragma once
// The timeline of a sample recording, for the documentation's screenshots.

#include <QString>

namespace q7582 {

// Writes ten minutes of a small hotel's master (inputs starting announcements in zones, the
// speech level turned down, the cable pulled for 20 s) and saves its timeline with the
// cursor in an announcement; then the commissioning record of those ten minutes.
bool saveTimeline(const QString& path, const QString& commissioningPath);

} // namespace q7582
