#pragma once
// The site a command works in (its working folder, see sites/) and `qs7582 sites`.

#include "app/CommandLine.h"
#include "model/ConfigImage.h"

#include <QString>

namespace q7582 {

struct OpenSite {
    QString folder; // the working folder, its symbolic links resolved
    QString name;
};

OpenSite openSite();

// "Site Hotel Milano: /home/ann/Documents/Q7582 Sites/Hotel Milano", said before a command's results.
QString siteHeading(const OpenSite& site);

// A folder entered with -C becomes a known site; a list that cannot be written is said.
void rememberSite(const ManagerOptions& options);

// `sites`: one known site a line, most recent first: name, folder, masters kept, newest
// entry; a folder that is not there says why.
int runSites();

// After an Upload: says which other site keeps this very configuration, when one does.
void sayRecognised(const ConfigImage& uploaded, const OpenSite& site);

} // namespace q7582
