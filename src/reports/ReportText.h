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
QString onOff(bool on);

} // namespace q7582
