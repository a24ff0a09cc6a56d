#include "reports/ReportCells.h"

#include <QCoreApplication>

namespace q7582 {

// Numbers end in the same column whatever their digits, so that the tables stay
// aligned for message numbers 100..127 (and for out of range event codes).
QString messageCell(Byte messageNumber)
{
    if (messageNumber == 0)
        return QCoreApplication::translate("ReportCells", " None  |", "8 characters");
    return QString::number(messageNumber).rightJustified(4) + QStringLiteral("   |");
}

QString outputEventCell(Byte outputEvent)
{
    switch (outputEvent) {
    case OutputEventCode::None:
        return QCoreApplication::translate("ReportCells", "    None    |", "13 characters");
    case OutputEventCode::ResetMaster:
        return QStringLiteral("Master RESET|");
    case OutputEventCode::ResetSystem:
        return QStringLiteral("System RESET|");
    default:
        break;
    }
    return QString::number(outputEvent).rightJustified(7) + QStringLiteral("     |");
}

namespace {

QString zoneRow(int zone, const std::array<ZoneColumn, 3>& columns)
{
    QString row = QCoreApplication::translate("ReportCells", "Zone", "4 characters")
                  + QString::number(zone).rightJustified(2) + QStringLiteral(" |");
    for (const ZoneColumn& column : columns) {
        for (int master = 0; master < ConstZoneSet::Masters; ++master)
            row += column.zones.test(master, zone) ? QStringLiteral(" X ") : QStringLiteral(" - ");
        row += QLatin1Char('|');
    }
    return row;
}

} // namespace

void appendZoneTable(Report& report, const std::array<ZoneColumn, 3>& columns)
{
    report.add(QString(), ReportStyle::TableRow);
    QString heading = QStringLiteral("       |");
    for (const ZoneColumn& column : columns)
        heading += column.label;
    report.add(heading, ReportStyle::TableHeading);
    report.add(QStringLiteral("Master | 0  1  2  3  4  5 | 0  1  2  3  4  5 | 0  1  2  3  4  5 |"),
               ReportStyle::TableRow);
    for (int zone = 1; zone <= ZoneMask::Zones; ++zone)
        report.add(zoneRow(zone, columns), ReportStyle::TableRow);
}

} // namespace q7582
