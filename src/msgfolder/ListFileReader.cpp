#include "msgfolder/ListFileReader.h"

#include <limits>

namespace q7582 {

std::vector<ListLine> listLines(const QByteArray& raw)
{
    // Text-mode reading: CR LF counts as one line end before the pieces are cut.
    QByteArray file = raw;
    file.replace("\r\n", "\n");

    std::vector<ListLine> lines;
    int row = 0;
    qsizetype pos = 0;
    while (pos < file.size()) {
        const qsizetype limit = std::min<qsizetype>(file.size() - pos, ListLineBuffer - 1);
        const qsizetype lf = file.indexOf('\n', pos);
        const bool ended = lf >= 0 && lf - pos < limit;
        const qsizetype length = ended ? lf - pos : limit;
        QByteArray text = file.mid(pos, length);
        pos += ended ? length + 1 : length;
        if (ended)
            ++row;
        if (const qsizetype nul = text.indexOf('\0'); nul >= 0)
            text.truncate(nul);
        lines.push_back({std::move(text), row});
    }
    return lines;
}

EntryFields entryFields(const QByteArray& line)
{
    const QString text = QString::fromLatin1(line);
    const qsizetype first = text.indexOf(u'|');
    if (first < 0)
        return {text, {}, {}};
    const qsizetype second = text.indexOf(u'|', first + 1);
    if (second < 0)
        return {text.left(first), text.mid(first + 1), {}};
    return {text.left(first), text.mid(first + 1, second - first - 1), text.mid(second + 1)};
}

std::optional<qint64> sizeFieldValue(const QString& field)
{
    qsizetype i = 0;
    while (i < field.size() && (field[i] == u' ' || field[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    qint64 value = 0;
    for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i) {
        const int digit = field[i].unicode() - u'0';
        if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    if (i == start)
        return std::nullopt;
    return value;
}

namespace {

// The checks of one entry line in their order; a line that fails one is dropped.
void checkEntry(const ListLine& line, const WavLength& wavLength, MessageList& list, std::vector<LoadFinding>& findings)
{
    EntryFields fields = entryFields(line.text);
    // Only 001..127: this also keeps a name like "../" from reaching outside the folder.
    if (!messageNumberOf(fields.name)) {
        findings.push_back({line.row, Finding::InvalidName});
        return;
    }
    if (list.contains(fields.name)) {
        findings.push_back({line.row, Finding::Duplicate});
        return;
    }
    const std::optional<qint64> actual = wavLength(fields.name);
    if (!actual) {
        findings.push_back({line.row, Finding::NoWavFile});
        return;
    }
    if (fields.size.isEmpty())
        findings.push_back({line.row, Finding::SizeEmpty});
    else if (sizeFieldValue(fields.size) != actual)
        findings.push_back({line.row, Finding::SizeWrong});
    list.setSize(fields.name, *actual);

    if (fields.description.isEmpty()) {
        fields.description = QString::fromLatin1(UnknownDescription);
        findings.push_back({line.row, Finding::DescriptionEmpty});
    }
    list.rows.push_back({fields.name, descriptionText(fields.description)});
}

} // namespace

std::vector<LoadFinding> readMessageList(const QByteArray& file, const WavLength& wavLength, MessageList& list)
{
    std::vector<LoadFinding> findings;
    bool titleRead = false;
    for (const ListLine& line : listLines(file)) {
        if (line.text.startsWith(';')) {
            // The first ";" line is the title, any later one a comment.
            if (!titleRead)
                list.title = titleText(QString::fromLatin1(line.text.mid(1)));
            titleRead = true;
            continue;
        }
        checkEntry(line, wavLength, list, findings);
    }
    return findings;
}

} // namespace q7582
