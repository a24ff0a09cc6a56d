#include "reports/ReportText.h"

#include <QCoreApplication>
#include <QLocale>

namespace q7582 {

QString reportDate(const QDate& date) { return QLocale::system().toString(date, QStringLiteral("dd'/'MM'/'yyyy")); }

QString reportTime(const QTime& time) { return QLocale::system().toString(time, QStringLiteral("HH':'mm'.'ss")); }

QString creationLine(const QDateTime& now)
{
    return QCoreApplication::translate("ReportText", "Creation date-hour: %1 - %2")
        .arg(reportDate(now.date()), reportTime(now.time()));
}

QString connectionLine(bool onLineB)
{
    return QCoreApplication::translate("ReportText", "Connection line = %1")
        .arg(onLineB ? QLatin1Char('B') : QLatin1Char('A'));
}

QString addressLine(int unitNumber)
{
    return QCoreApplication::translate("ReportText", "Address = %1").arg(unitNumber);
}

QString priorityLine(int priority) { return QCoreApplication::translate("ReportText", "Priority = %1").arg(priority); }

QString onOff(bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); }

QString invalidText(const QString& value)
{
    return QCoreApplication::translate("ReportText", "%1 (invalid)").arg(value);
}

} // namespace q7582
