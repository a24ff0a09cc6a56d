#pragma once
// Small helpers shared by the report tests and the editor's listing tests.

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

} // namespace q7582
