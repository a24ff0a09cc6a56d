#pragma once
// The checks a report command makes before it builds anything. Each returns the
// warning text of the first check that fails, or nothing when the report may be made:
// the check's own caption, then on a line of its own what to do about it.

#include "link/LinkShared.h"
#include "model/Provenance.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace q7582 {

// The boxes' titles, translated where shown ("ReportGuards").
inline constexpr const char* StatusReportTitle = QT_TRANSLATE_NOOP("ReportGuards", "Status Report");
inline constexpr const char* ConfigurationReportTitle = QT_TRANSLATE_NOOP("ReportGuards", "Configuration Report");

std::optional<QString> statusReportRefusal(ConnectionState connectionState);

// The image must be the connected master's own, unchanged: uploaded from it, not
// edited since, and taken while its address and chime byte were what it is now.
std::optional<QString> configurationReportRefusal(ConnectionState connectionState, const Provenance& provenance,
                                                  Byte currentAddressChime);

} // namespace q7582
