#pragma once
// The name of a history entry says when, which master and which way the image went:
// "2026-12-07_09.15.02_master-1_upload.cfi", "..._master-1_download.cfi", and
// "..._master-1_download-partial.cfi" for a Download that was cut. A second entry in the
// same second carries "_2" before ".cfi", a third "_3", and so on.

#include <QDate>
#include <QTime>

#include <optional>
#include <string>

namespace q7582 {

enum class HistoryDirection { Upload, Download };

struct HistoryName {
    QDate date;
    QTime time; // to the second, local time
    int master = 0;
    HistoryDirection direction = HistoryDirection::Upload;
    bool partial = false; // a Download cut before its last block
    int sequence = 1;     // the entry's place among those of its second

    // Oldest first: by the time written in the name, then by place within the second.
    bool operator<(const HistoryName& other) const;
};

// Masters answer with a three-bit address.
inline constexpr int HistoryMasters = 8;

std::string historyFileName(const HistoryName& name);
// Nothing when the name is not one historyFileName would give.
std::optional<HistoryName> parseHistoryFileName(const std::string& fileName);

} // namespace q7582
