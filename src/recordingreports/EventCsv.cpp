#include "recordingreports/EventCsv.h"

#include <QCoreApplication>

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

namespace {

// Each lane's group and name cells, and the texts of on/off values, encoded once.
class CsvRows {
public:
    explicit CsvRows(const std::vector<Lane>& lanes) : lanes_(lanes)
    {
        for (const Lane& lane : lanes)
            cells_.push_back(',' + csvField(laneGroupName(lane.group)) + ',' + csvField(lane.name) + ',');
    }

    void append(QByteArray& out, const LaneChange& change) const
    {
        const Lane& lane = lanes_[std::size_t(change.lane)];
        const qint64 second = change.timeMs >= 0 ? change.timeMs / 1000 : (change.timeMs - 999) / 1000;
        if (second != second_) {
            second_ = second;
            prefix_ = isoTime(second * 1000).left(20).toLatin1(); // "2026-12-08T03:45:10."
        }
        const int ms = int(change.timeMs - second * 1000);
        const char digits[] = {char('0' + ms / 100), char('0' + ms / 10 % 10), char('0' + ms % 10), 'Z'};
        out.append(prefix_).append(digits, 4).append(cells_[std::size_t(change.lane)]);
        out.append(value(lane, change.from)).append(',').append(value(lane, change.to)).append("\r\n");
    }

private:
    QByteArray value(const Lane& lane, qint64 v) const
    {
        const LaneShape shape = laneShape(lane.field);
        if (shape == LaneShape::OnOff)
            return v == NoValue ? QByteArray("-") : v ? QByteArray("on") : QByteArray("off");
        if (shape == LaneShape::Step && v != NoValue)
            return QByteArray::number(v);
        return csvField(laneValueText(lane, v));
    }

    const std::vector<Lane>& lanes_;
    std::vector<QByteArray> cells_;
    mutable qint64 second_ = std::numeric_limits<qint64>::min();
    mutable QByteArray prefix_;
};

} // namespace

bool writeEventsCsv(const RecordedStates& states, const std::vector<Lane>& lanes, const std::vector<int>& chosen,
                    qint64 fromMs, qint64 toMs, QIODevice& out, QString* error)
{
    // Rows go out 64 KiB at a time.
    constexpr qsizetype Chunk = 64 * 1024;
    const CsvRows rows(lanes);
    QByteArray pending = csvHeader();
    pending.reserve(Chunk + 1024);
    bool written = true;
    const auto flush = [&] {
        written = out.write(pending) == pending.size();
        pending.clear();
        return written;
    };
    const bool read = forEachChange(
        states, lanes, chosen, fromMs, toMs,
        [&](const LaneChange& change) {
            rows.append(pending, change);
            return pending.size() < Chunk || flush();
        },
        error);
    if (written)
        flush();
    if (!written && error)
        *error = out.errorString().isEmpty()
                     ? QCoreApplication::translate("EventCsv", "the output could not be written")
                     : out.errorString();
    return read && written;
}

} // namespace q7582
