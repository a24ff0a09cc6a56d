#include "reports/ReportCells.h"

#include <gtest/gtest.h>

#include <tuple>

namespace q7582 {

TEST(ReportCells, NumberCellsKeepTheirWidthAndOutputEventsNameTheResets)
{
    const std::tuple<int, const char*, const char*> cells[] = {{0, " None  |", "    None    |"},
                                                               {5, "   5   |", "      5     |"},
                                                               {12, "  12   |", "     12     |"},
                                                               {100, " 100   |", "    100     |"}};
    for (const auto& [number, message, output] : cells) {
        EXPECT_EQ(messageCell(number), message);
        EXPECT_EQ(outputEventCell(number), output);
    }
    EXPECT_EQ(outputEventCell(64), "Master RESET|");
    EXPECT_EQ(outputEventCell(65), "System RESET|");
}

TEST(ReportCells, ZoneTableMarksEachMasterColumnOfEachRecord)
{
    ConfigImage image;
    image.key(0, 0).zones().set(0, 1);
    image.key(0, 0).zones().set(0, 36);
    image.key(0, 2).zones().set(5, 10);
    Report report;
    appendZoneTable(report, {ZoneColumn{"<a>|", std::as_const(image).key(0, 0).zones()},
                             ZoneColumn{"<b>|", std::as_const(image).key(0, 1).zones()},
                             ZoneColumn{"<c>|", std::as_const(image).key(0, 2).zones()}});

    ASSERT_EQ(report.lines.size(), 3u + 36u);
    EXPECT_EQ(report.lines[0], (ReportLine{"", ReportStyle::TableRow}));
    EXPECT_EQ(report.lines[1], (ReportLine{"       |<a>|<b>|<c>|", ReportStyle::TableHeading}));
    EXPECT_EQ(report.lines[2].text, "Master | 0  1  2  3  4  5 | 0  1  2  3  4  5 | 0  1  2  3  4  5 |");
    EXPECT_EQ(report.lines[3].text, "Zone 1 | X  -  -  -  -  - | -  -  -  -  -  - | -  -  -  -  -  - |");
    EXPECT_EQ(report.lines[12].text, "Zone10 | -  -  -  -  -  - | -  -  -  -  -  - | -  -  -  -  -  X |");
    EXPECT_EQ(report.lines[38].text, "Zone36 | X  -  -  -  -  - | -  -  -  -  -  - | -  -  -  -  -  - |");
    for (int z = 3; z < 39; ++z)
        EXPECT_EQ(report.lines[z].text.size(), 8 + 3 * 19) << z;
}

} // namespace q7582
