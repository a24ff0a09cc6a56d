#include "recordingreports/EventCsv.h"

namespace q7582 {

QByteArray csvField(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

QByteArray csvHeader() { return "time,group,what,from,to\r\n"; }

QByteArray csvRow(const ChangeRow& row)
{
    return csvField(row.time) + ',' + csvField(row.group) + ',' + csvField(row.what) + ',' + csvField(row.from) + ','
           + csvField(row.to) + "\r\n";
}

bool writeEventsCsv(const RecordedStates& states, const std::vector<Lane>& lanes, const std::vector<int>& chosen,
                    qint64 fromMs, qint64 toMs, QIODevice& out, QString* error)
{
    bool written = out.write(csvHeader()) >= 0;
    const bool read =
        written
        && forEachChange(
            states, lanes, chosen, fromMs, toMs,
            [&](const LaneChange& change) { return written = out.write(csvRow(changeRow(lanes, change))) >= 0; },
            error);
    if (!written && error)
        *error = out.errorString().isEmpty() ? QStringLiteral("the output could not be written") : out.errorString();
    return read && written;
}

} // namespace q7582
