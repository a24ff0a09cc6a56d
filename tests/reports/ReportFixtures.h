#pragma once
// Small helpers shared by the report tests.

#include "reports/ReportLine.h"

#include <QStringList>

namespace q7582 {

inline QStringList texts(const Report& report)
{
    QStringList out;
    for (const ReportLine& line : report.lines)
        out << line.text;
    return out;
}

// Index of the first line with this text, -1 when there is none.
inline int indexOf(const Report& report, const QString& text) { return texts(report).indexOf(text); }

} // namespace q7582
