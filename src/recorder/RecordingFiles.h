#pragma once
// Where a new recording goes, and how one being written is told in a line.

#include <QString>

#include <cstdint>

namespace q7582 {

inline constexpr const char* RecordingsFolder = "recordings";

// recordings/<yyyy-MM-dd-HHmmss>.q7582rec in the working folder (the site), the folder
// made when missing; empty, with the reason in error, when it cannot be made.
QString newRecordingPath(QString* error);

// "1:02:03": hours, minutes and seconds
QString durationText(std::int64_t ms);

// "Recording 1:02:03, 4.5 MB"
QString recordingStatusText(std::int64_t elapsedMs, std::int64_t bytes);

} // namespace q7582
