#pragma once
// Reading MSGLIST.TXT: line pieces as the generator's firmware reads them, title
// and comment lines, the three fields of an entry, and the checks against the folder.

#include "msgfolder/MessageList.h"

#include <QByteArray>

#include <functional>
#include <optional>
#include <vector>

namespace q7582 {

inline constexpr int ListLineBuffer = 200; // a line piece holds at most 199 bytes with its LF

struct ListLine {
    QByteArray text; // without its line end, cut at a NUL byte
    int row;         // line ends read so far, this line's included
};

// CR LF and LF end a line; a longer line is cut into pieces of 199 bytes,
// each a line of its own, and only a piece that ends the line is counted.
std::vector<ListLine> listLines(const QByteArray& file);

struct EntryFields {
    QString name;
    QString description;
    QString size;
};
EntryFields entryFields(const QByteArray& line);

// The decimal number at the start of a size field; none when there is no digit
// or it does not fit, so that such a field never matches a real length.
std::optional<qint64> sizeFieldValue(const QString& field);

enum class Finding { InvalidName, Duplicate, NoWavFile, SizeEmpty, SizeWrong, DescriptionEmpty };

struct LoadFinding {
    int row;
    Finding finding;
    bool operator==(const LoadFinding&) const = default;
};

// Length of the WAV file of a message number, none when the folder has none.
using WavLength = std::function<std::optional<qint64>(const QString& number)>;

inline constexpr const char* UnknownDescription = "Unknown description";

// Appends the valid entries of file to list (sizes into its size table) and sets its
// title from the first ";" line; list keeps its title when there is none.
std::vector<LoadFinding> readMessageList(const QByteArray& file, const WavLength& wavLength, MessageList& list);

} // namespace q7582
