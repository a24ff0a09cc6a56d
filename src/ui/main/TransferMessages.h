#pragma once
// What the window says when a transfer restarts or is dropped; a failed one is told in
// the words of reports/TransferText.

#include "reports/TransferText.h"

#include <QString>

namespace q7582 {

inline constexpr const char* PartialDownloadMark = QT_TRANSLATE_NOOP("TransferMessages", " - PARTIAL DOWNLOAD");
inline constexpr const char* UploadDroppedNotice =
    QT_TRANSLATE_NOOP("TransferMessages", "Pending Upload dropped: configuration replaced");
inline constexpr const char* TransferCancelledNotice = QT_TRANSLATE_NOOP("TransferMessages", "Transfer cancelled");

// The status bar's line when an Upload or a Download has completed with that master:
// "Download complete: 128 blocks written to master 2".
QString transferCompletedText(TransferKind kind, int master);
// The status bar's line while a failed transfer waits to start again.
QString transferRestartText(const TransferReport& report);

} // namespace q7582
