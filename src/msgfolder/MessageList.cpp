#include "msgfolder/MessageList.h"

#include <QCoreApplication>

#include <algorithm>

namespace q7582 {

int MessageList::indexOf(const QString& number) const
{
    auto it = std::find_if(rows.begin(), rows.end(), [&](const MessageEntry& e) { return e.number == number; });
    return it == rows.end() ? -1 : int(it - rows.begin());
}

int MessageList::insertByNumber(MessageEntry entry)
{
    const int number = messageNumberOf(entry.number).value_or(0);
    auto it = std::find_if(rows.begin(), rows.end(),
                           [&](const MessageEntry& e) { return messageNumberOf(e.number).value_or(0) > number; });
    const auto inserted = rows.insert(it, std::move(entry));
    return int(inserted - rows.begin());
}

void MessageList::removeRow(int row)
{
    if (row >= 0 && row < int(rows.size()))
        rows.erase(rows.begin() + row);
}

qint64 MessageList::size(const QString& number) const
{
    const auto n = messageNumberOf(number);
    return n ? sizes_[*n] : 0;
}

void MessageList::setSize(const QString& number, qint64 bytes)
{
    if (const auto n = messageNumberOf(number))
        sizes_[*n] = bytes;
}

namespace {

QString latin1Line(QString text, bool keepBar, int limit)
{
    text.truncate(limit);
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0' || (!keepBar && c == u'|'))
            c = u' ';
    }
    return QString::fromLatin1(text.toLatin1());
}

} // namespace

QString titleText(const QString& text) { return latin1Line(text, true, MaxTitleLength); }

QString descriptionText(const QString& text) { return latin1Line(text, false, MaxDescriptionLength); }

QString entryCaption(const MessageEntry& entry)
{
    return QCoreApplication::translate("MessageList", "Message %1: %2 (%1.WAV)").arg(entry.number, entry.description);
}

} // namespace q7582
