#include "reports/ReportText.h"

#include <QLocale>

namespace q7582 {

QString reportDate(const QDate& date) { return QLocale::system().toString(date, QStringLiteral("dd'/'MM'/'yyyy")); }

QString reportTime(const QTime& time) { return QLocale::system().toString(time, QStringLiteral("HH':'mm'.'ss")); }

QString creationLine(const QDateTime& now)
{
    return QStringLiteral("Creation date-hour: ") + reportDate(now.date()) + QStringLiteral(" - ")
           + reportTime(now.time());
}

QString connectionLine(bool onLineB)
{
    return QStringLiteral("Connection line = ") + (onLineB ? QLatin1Char('B') : QLatin1Char('A'));
}

QString onOff(bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); }

} // namespace q7582
