#pragma once
// The main window on a simulated device, for the documentation's screenshots.

#include <QString>

namespace q7582 {

// Starts qs7582-sim (built beside this program) as a master or a message generator,
// connects a main window to it and saves the window once it shows the device. With a
// site's name, the window shows it and has the "Site" menu.
bool saveMainWindow(const QString& path, bool generator, const QString& site = {});

} // namespace q7582
