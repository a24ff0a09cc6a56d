#include "history/HistoryRows.h"

#include "reports/ReportText.h"

#include <QCoreApplication>

namespace q7582 {

HistoryRow historyRow(const HistoryEntry& entry)
{
    HistoryRow row;
    row.fileName = QString::fromStdString(entry.fileName);
    row.problem = QString::fromStdString(entry.unreadable);
    if (const std::optional<HistoryName>& n = entry.name) {
        row.date = reportDate(n->date) + QLatin1Char(' ') + reportTime(n->time);
        row.master = QString::number(n->master);
        row.direction =
            n->direction == HistoryDirection::Upload ? QStringLiteral("Upload") : QStringLiteral("Download");
        row.partial = n->partial ? QCoreApplication::translate("HistoryRows", "partial") : QString();
    } else {
        row.date = QCoreApplication::translate("HistoryRows", "unknown");
        row.master = row.direction = QStringLiteral("-");
    }
    if (!entry.readable())
        row.differences = QCoreApplication::translate("HistoryRows", "unreadable");
    else
        row.differences = entry.differences ? QString::number(*entry.differences) : QStringLiteral("-");
    return row;
}

QString historyLine(const HistoryRow& row)
{
    return QStringLiteral("%1  %2  %3  %4  %5  %6")
        .arg(row.date, -19)
        .arg(row.master, -1)
        .arg(row.direction, -8)
        .arg(row.partial, -7)
        .arg(row.differences, 10)
        .arg(row.fileName);
}

} // namespace q7582
