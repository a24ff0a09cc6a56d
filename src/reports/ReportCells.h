#pragma once
// Fixed-width table cells shared by the desk microphone and I/O card reports. Every
// cell ends in "|"; the tables line up only in a fixed-pitch font.

#include "model/ConfigImage.h"
#include "reports/ReportLine.h"

#include <array>

namespace q7582 {

// 8 characters: " None  |", "   5   |", "  12   |", " 100   |".
QString messageCell(Byte messageNumber);
// 13 characters: "    None    |", "Master RESET|", "System RESET|", "      5     |", "     12     |",
// "    100     |".
QString outputEventCell(Byte outputEvent);

// One paging record of a zone table: its 19-character heading cell and its zones.
struct ZoneColumn {
    QString label;
    ConstZoneSet zones;
};

// An empty line, the heading, the master row and 36 zone rows marking " X " for
// every zone a record pages on each of the six masters.
void appendZoneTable(Report& report, const std::array<ZoneColumn, 3>& columns);

} // namespace q7582
