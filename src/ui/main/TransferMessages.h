#pragma once
// What the window says when a transfer fails, restarts or is dropped.

#include "link/TransferReport.h"

#include <QString>

namespace q7582 {

inline const QString PartialDownloadMark = QStringLiteral(" - PARTIAL DOWNLOAD");
inline const QString UploadDroppedNotice = QStringLiteral("Pending Upload dropped: configuration replaced");
inline const QString TransferCancelledNotice = QStringLiteral("Transfer cancelled");

// The "Errore" box of a transfer that failed for good, such as "The master did not
// answer at block 40 of 128: the master now holds a partial configuration. Download again."
QString transferFailureText(const TransferReport& report);
// The status bar's line when an Upload or a Download has completed with that master:
// "Download complete: 128 blocks written to master 2".
QString transferCompletedText(TransferKind kind, int master);
// The status bar's line while a failed transfer waits to start again.
QString transferRestartText(const TransferReport& report);
// What happened, for the tooltip of that line: "The link was lost at block 12 of 128".
QString whatHappened(const TransferReport& report);

} // namespace q7582
