#pragma once
// The message list held while a folder is open: the title, the rows of the grid
// in list order, and the size table beside them.

#include "msgfolder/MessageNumber.h"

#include <QString>

#include <array>
#include <vector>

namespace q7582 {

struct MessageEntry {
    QString number; // three-digit key, "001".."127"
    QString description;
    bool operator==(const MessageEntry&) const = default;
};

// The row as the delete question names it: "Message 012: Lobby closing (012.WAV)".
QString entryCaption(const MessageEntry& entry);

class MessageList {
public:
    QString title;
    std::vector<MessageEntry> rows;

    int indexOf(const QString& number) const; // -1 when no row has it
    bool contains(const QString& number) const { return indexOf(number) >= 0; }

    // Before the first row with a greater number, or after the last; returns its index.
    // Rows loaded from a file keep the file's order, so this does not sort.
    int insertByNumber(MessageEntry entry);
    void removeRow(int row);

    // The size table: one WAV length per message number, 0 when unknown.
    qint64 size(const QString& number) const;
    void setSize(const QString& number, qint64 bytes);

private:
    std::array<qint64, LastMessage + 1> sizes_{};
};

// The generator reads at most 198 characters of a line: ";" + title, and
// "NNN|" + description + "|" + a size of up to ten digits must fit.
inline constexpr int MaxTitleLength = 197;
inline constexpr int MaxDescriptionLength = 183;

// The list file holds Latin-1 bytes, one record per line and "|" between fields:
// these make a text fit that, so that what the grid shows is what gets saved
// and reads back the same.
QString titleText(const QString& text);
QString descriptionText(const QString& text);

} // namespace q7582
