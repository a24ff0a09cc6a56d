#pragma once
// The differences between two configuration images, named as the editor and the
// reports name what the image holds: a key's or input's zones added and removed, its
// message and output event; message events, out events, VOX, the I/O lines' logic and
// timer events. Differing bytes that no item names are listed as offset ranges, so
// that nothing is hidden. Comparing reads both images and changes neither.

#include "model/ConfigImage.h"
#include "reports/ReportLine.h"
#include "settings/NameTables.h"

#include <QStringList>

namespace q7582 {

struct ComparedConfiguration {
    const ConfigImage& image;
    QString description; // a file name, or where the image in memory came from
};

struct ConfigurationComparison {
    Report report;
    int differences = 0; // lines that name a difference
    QStringList lines;   // those lines: "Unit 1, Key 3: Master 0 zones +14"
};

// The differences from `from` to `to`: "+12" is a zone `to` pages and `from` does not.
ConfigurationComparison compareConfigurations(const ComparedConfiguration& from, const ComparedConfiguration& to,
                                              const NameTables& names);

// A report's lines as plain text, one per line, each ended by "\n".
QString plainText(const Report& report);

} // namespace q7582
