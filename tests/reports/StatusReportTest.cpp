#include "reports/StatusReport.h"
#include "ReportFixtures.h"

#include <gtest/gtest.h>

namespace q7582 {

TEST(StatusReport, ListsSettingsUnitsAndSlavesInOrder)
{
    StatusBlock status;
    status.bytes[StatusBlock::AddressChime] = 0x82;
    status.bytes[StatusBlock::UnitInfo + 0] = 0xA0; // I/O card, line A
    status.bytes[StatusBlock::UnitInfo + 2] = 0x45; // not connected: no lines
    status.bytes[StatusBlock::UnitInfo + 4] = 0x65; // desk microphone, line B, priority 5
    status.bytes[StatusBlock::SlaveZones + 2 * 3] = 0x80;
    status.bytes[StatusBlock::SlaveGroup + 2 * 3] = 0x7A; // group in bits 0-2
    status.bytes[StatusBlock::FirmwareRelease] = 1;
    status.bytes[StatusBlock::FirmwareRelease + 1] = 5;

    NameTables names;
    names.music[1] = "Radio";
    StatusWindowValues window;
    window.musicLevelPosition = 5;
    window.musicSourcePositions = {1, 7, 0, 0, 20};
    window.speechLevelPosition = 20;
    window.musicSourceSelected = "Radio";
    window.masterAddressText = "2";
    window.chimeOn = true;

    const Report report = buildStatusReport(status, window, names, QDateTime(QDate(2024, 3, 5), QTime(8, 30, 15)));
    EXPECT_EQ(report.caption, "Status report");
    const QStringList lines = texts(report);
    EXPECT_EQ(report.lines[0], (ReportLine{"Status report of the master with address 2", ReportStyle::Title}));
    EXPECT_EQ(lines.mid(1, 10),
              (QStringList{"Creation date-hour: 05/03/2024 - 08:30.15", "", "Music level control settings:", "",
                           "Music level setting = 15", "TAPE setting = 1", "Radio setting = 7", "TUNER setting = 0",
                           "AUX setting = 0", "Remote input setting = 20"}));
    EXPECT_EQ(lines[14], "Speech level setting = 0");
    EXPECT_TRUE(lines.contains("Music source selected = Radio"));
    EXPECT_TRUE(lines.contains("Music on Remote setting = OFF"));
    EXPECT_TRUE(lines.contains("Chime enable = ON"));
    EXPECT_TRUE(lines.contains("Master firmware release = 1.5"));

    const int units = lines.indexOf("Units/IO cards connected to master:");
    ASSERT_GT(units, 0);
    EXPECT_EQ(lines.mid(units + 2),
              (QStringList{"IO card Unit (1)", "Address = 1", "Connection line = A", "", "Desk microphone Unit (5)",
                           "Address = 5", "Priority = 5", "Connection line = B", "",
                           "Slave units connected to the master:", "", "Slave address = 3  -  Group = 2", ""}));
    EXPECT_EQ(report.lines[units + 2].style, ReportStyle::SubHeading);
    EXPECT_EQ(report.lines[units + 11].style, ReportStyle::Heading);
}

} // namespace q7582
