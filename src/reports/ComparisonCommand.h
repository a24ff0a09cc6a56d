#pragma once
// `qs7582 --compare FROM TO`: the differences between two .cfi files as plain text,
// without a window. Nothing is written: the unit names come from the folder's unit.txt
// when there is one.

#include <QString>
#include <string>

namespace q7582 {

namespace ComparisonExit {
inline constexpr int Same = 0;
inline constexpr int Different = 1;
inline constexpr int Failed = 2; // a file missing, unreadable or not one image long
} // namespace ComparisonExit

struct ComparisonCommandOutput {
    int exitCode = ComparisonExit::Failed;
    QString out, err;
    int differences = 0; // the lines of out that name one
};

// from and to name the files as the command line gave them.
ComparisonCommandOutput runComparisonCommand(const QString& from, const QString& to,
                                             const std::string& namesFolder = ".");

} // namespace q7582
