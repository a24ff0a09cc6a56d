#include "reports/ConfigurationReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportText.h"

namespace q7582 {

namespace {

constexpr int KeysPerZoneTable = 3;

// 11 characters: "Key  1    |", "Key 10    |", "PTT/Lock  |"...
QString keyCell(int key)
{
    switch (key) {
    case ConfigImage::PttLockKey:
        return QStringLiteral("PTT/Lock  |");
    case ConfigImage::AllEsp1Key:
        return QStringLiteral("ALL Esp.1 |");
    case ConfigImage::AllEsp2Key:
        return QStringLiteral("ALL Esp.2 |");
    default:
        break;
    }
    const int number = key + 1;
    return (number < 10 ? QStringLiteral("Key  ") : QStringLiteral("Key ")) + QString::number(number)
           + QStringLiteral("    |");
}

// 19 characters: " Key  1           |", " Key 10           |", " PTT/Lock         |"...
QString keyZoneLabel(int key)
{
    switch (key) {
    case ConfigImage::PttLockKey:
        return QStringLiteral(" PTT/Lock         |");
    case ConfigImage::AllEsp1Key:
        return QStringLiteral(" ALL Esp.1        |");
    case ConfigImage::AllEsp2Key:
        return QStringLiteral(" ALL Esp.2        |");
    default:
        break;
    }
    const int number = key + 1;
    return (number < 10 ? QStringLiteral(" Key  ") : QStringLiteral(" Key ")) + QString::number(number)
           + QStringLiteral("           |");
}

void appendDeskMicrophone(Report& report, const ConfigReportSources& sources, int address)
{
    const StatusBlock& status = sources.status;
    report.add(QStringLiteral("Configuration of desk microphone ")
                   + QString::fromStdString(sources.names.unitCaption(address + 1)),
               ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    report.add(QStringLiteral("Address = ") + QString::number(address + 1), ReportStyle::Body);
    report.add(QStringLiteral("Priority = ") + QString::number(status.unitPriority(address)), ReportStyle::Body);
    report.add(connectionLine(status.unitOnLineB(address)), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);

    report.add(QStringLiteral("Key       |Message|Output event|"), ReportStyle::TableHeading);
    for (int key = 0; key < ConfigImage::KeysPerUnit; ++key) {
        const ConstKeyRecord record = sources.image.key(address, key);
        report.add(keyCell(key) + messageCell(record.messageNumber()) + outputEventCell(record.outputEvent()),
                   ReportStyle::TableRow);
    }

    for (int first = 0; first < ConfigImage::KeysPerUnit; first += KeysPerZoneTable) {
        auto column = [&](int key) { return ZoneColumn{keyZoneLabel(key), sources.image.key(address, key).zones()}; };
        appendZoneTable(report, {column(first), column(first + 1), column(first + 2)});
    }
}

} // namespace

Report buildDeskMicrophoneReport(const ConfigReportSources& sources)
{
    Report report = configurationReportHeader(
        QStringLiteral("Desk microphones configuration report of the master with address "), sources);
    for (int address = 0; address < StatusBlock::Units; ++address)
        if (sources.status.unitConnected(address) && !sources.status.unitIsIoCard(address))
            appendDeskMicrophone(report, sources, address);
    closeConfigurationReport(report, QStringLiteral("NO DESK MICROPHONE UNITS CONNECTED TO THE MASTER"));
    return report;
}

} // namespace q7582
