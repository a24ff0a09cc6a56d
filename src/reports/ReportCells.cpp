#include "reports/ReportCells.h"

namespace q7582 {

QString messageCell(Byte messageNumber)
{
    if (messageNumber == 0)
        return QStringLiteral(" None  |");
    const QString blanks = messageNumber < 10 ? QStringLiteral("   ") : QStringLiteral("  ");
    return blanks + QString::number(messageNumber) + QStringLiteral("   |");
}

QString outputEventCell(Byte outputEvent)
{
    switch (outputEvent) {
    case OutputEventCode::None:
        return QStringLiteral("    None    |");
    case OutputEventCode::ResetMaster:
        return QStringLiteral("Master RESET|");
    case OutputEventCode::ResetSystem:
        return QStringLiteral("System RESET|");
    default:
        break;
    }
    const QString blanks = outputEvent < 10 ? QStringLiteral("      ") : QStringLiteral("     ");
    return blanks + QString::number(outputEvent) + QStringLiteral("     |");
}

namespace {

QString zoneRow(int zone, const std::array<ZoneColumn, 3>& columns)
{
    QString row = (zone < 10 ? QStringLiteral("Zone ") : QStringLiteral("Zone")) + QString::number(zone)
                  + QStringLiteral(" |");
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
