#pragma once
// error.log: what the last load of a list repaired or dropped, row by row.

#include "model/FileIo.h"
#include "msgfolder/ListFileReader.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <vector>

namespace q7582 {

inline constexpr const char* ErrorLogName = "error.log";

QString findingText(Finding finding);

// Header with the local time and date, one line per finding, footer; CR LF line ends.
QByteArray errorLogText(const std::vector<LoadFinding>& findings, const QDateTime& now, const QLocale& locale);

// Replaces folder/error.log.
FileResult writeErrorLog(const QString& folder, const std::vector<LoadFinding>& findings, const QDateTime& now,
                         const QLocale& locale);

} // namespace q7582
