#pragma once
// Texts every report shares: the creation line and the connection line letter,
// with dates and times in the system's fixed patterns.

#include <QDateTime>
#include <QString>

namespace q7582 {

QString reportDate(const QDate& date); // dd/MM/yyyy
QString reportTime(const QTime& time); // HH:mm.ss
// "Creation date-hour: dd/MM/yyyy - HH:mm.ss"
QString creationLine(const QDateTime& now);
// "Connection line = B" or "... = A"
QString connectionLine(bool onLineB);
// "Address = 5": a unit's address counted from 1
QString addressLine(int unitNumber);
// "Priority = 3"
QString priorityLine(int priority);
QString onOff(bool on);
// A value the device does not define: "200 (invalid)"
QString invalidText(const QString& value);

} // namespace q7582
