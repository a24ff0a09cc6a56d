#pragma once
// The one box a Download asks before its first block: what it changes on the master as
// far as the site's history knows, and every reason not to write it (the configuration
// is another master's, or another site's).

#include "history/ConfigHistory.h"
#include "model/Provenance.h"
#include "reports/ConfigurationComparison.h"
#include "settings/NameTables.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace q7582 {

enum class DownloadAnswer { Download, ShowDifferences, ReadMasterFirst, No };

struct DownloadCase {
    const ConfigImage& image;
    const Provenance& provenance;
    int connectedMaster = 0;
    QString openSiteName;
};

struct DownloadQuestion {
    QString text;
    std::vector<DownloadAnswer> answers; // the buttons, left to right
    DownloadAnswer defaultAnswer = DownloadAnswer::Download;
    bool masterKnown = false;              // what the master holds is known
    ConfigurationComparison differences{}; // from what it holds to the image, when known
};

// "This configuration was read from master 1; the connected master is 2."
QString wrongMasterFact(int configurationMaster, int connectedMaster);

// Reads the master's newest history entry only. Any objection makes No the default;
// with none, Download is.
DownloadQuestion downloadQuestion(const DownloadCase& download, const ConfigHistory& history, const NameTables& names);

// A button's text: "Download", "Show differences", "Read the master first"; No reads
// "No" beside an objection and "Cancel" otherwise.
QString answerText(DownloadAnswer answer, const DownloadQuestion& question);

} // namespace q7582
