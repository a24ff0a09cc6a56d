#include "reports/ConfigurationReports.h"
#include "reports/ReportCells.h"
#include "reports/ReportText.h"

#include <QCoreApplication>

namespace q7582 {

namespace {

constexpr int KeysPerZoneTable = 3;

struct DeskReport {
    Q_DECLARE_TR_FUNCTIONS(DeskMicrophoneReport)
};

// "Key  1", "Key 10"
QString keyLabel(int key) { return DeskReport::tr("Key %1").arg(key + 1, 2); }

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
    return keyLabel(key).leftJustified(10) + QLatin1Char('|');
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
    return (QLatin1Char(' ') + keyLabel(key)).leftJustified(18) + QLatin1Char('|');
}

void appendDeskMicrophone(Report& report, const ConfigReportSources& sources, int address)
{
    const StatusBlock& status = sources.status;
    report.add(DeskReport::tr("Configuration of desk microphone %1")
                   .arg(QString::fromStdString(sources.names.unitCaption(address + 1))),
               ReportStyle::Heading);
    report.add(QString(), ReportStyle::Heading);
    report.add(addressLine(address + 1), ReportStyle::Body);
    report.add(priorityLine(status.unitPriority(address)), ReportStyle::Body);
    report.add(connectionLine(status.unitOnLineB(address)), ReportStyle::Body);
    report.add(QString(), ReportStyle::Body);

    report.add(DeskReport::tr("Key       |Message|Output event|", "columns of 10, 7 and 12 characters"),
               ReportStyle::TableHeading);
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
        DeskReport::tr("Desk microphones configuration report of the master with address %1"), sources);
    for (int address = 0; address < StatusBlock::Units; ++address)
        if (sources.status.unitConnected(address) && !sources.status.unitIsIoCard(address))
            appendDeskMicrophone(report, sources, address);
    closeConfigurationReport(report, DeskReport::tr("NO DESK MICROPHONE UNITS CONNECTED TO THE MASTER"));
    return report;
}

} // namespace q7582
