#pragma once
// A report is a caption and a list of lines, each with its ReportStyle. Builders
// produce it; the viewer only renders it.

#include <QString>

#include <vector>

namespace q7582 {

// ReportStyle: a combination of four bits.
namespace ReportStyle {
inline constexpr int Large = 1;   // 12 pt, else 8 pt
inline constexpr int Centred = 2; // else left-aligned
inline constexpr int Underlined = 4;
inline constexpr int FixedPitch = 8; // "Courier" for tables, else "Tahoma"
inline constexpr int AllBits = Large | Centred | Underlined | FixedPitch;

inline constexpr int Body = 0;
inline constexpr int SubHeading = Underlined;                // 4
inline constexpr int Heading = Centred | Underlined;         // 6
inline constexpr int Title = Large | Centred | Underlined;   // 7
inline constexpr int TableRow = FixedPitch;                  // 8
inline constexpr int TableHeading = FixedPitch | Underlined; // 12
} // namespace ReportStyle

struct ReportLine {
    QString text;
    int style = ReportStyle::Body;
    bool operator==(const ReportLine&) const = default;
};

struct Report {
    QString caption;
    int width = 0; // 0 keeps the viewer's width
    std::vector<ReportLine> lines;

    void add(const QString& text, int style) { lines.push_back({text, style}); }
};

} // namespace q7582
