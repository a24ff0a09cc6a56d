#include "recorder/RecordingFormat.h"

namespace q7582 {

namespace {

constexpr Byte WholeRecord = 0xFF; // the change count that announces a whole record
constexpr int SummaryBytes = 8 + 8 + 4 + 5 * TapRecordSize;

void appendVarint(QByteArray& out, std::uint64_t v)
{
    while (v >= 0x80) {
        out.append(char(Byte(v) | 0x80));
        v >>= 7;
    }
    out.append(char(v));
}

bool readVarint(const QByteArray& in, qsizetype& at, std::uint64_t& v)
{
    v = 0;
    for (int shift = 0; shift < 64 && at < in.size(); shift += 7) {
        const auto b = Byte(in[at++]);
        v |= std::uint64_t(b & 0x7F) << shift;
        if (!(b & 0x80))
            return true;
    }
    return false;
}

void appendLe64(QByteArray& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.append(char(Byte(v >> (8 * i))));
}

std::uint64_t readLe64(const Byte* p)
{
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

} // namespace

void LaneSummary::add(std::int64_t ms, const RecordBytes& record, const RecordBytes* previous)
{
    if (reads == 0) {
        firstMs = ms;
        min = max = anySet = allSet = record;
        changed.fill(0);
    }
    for (int i = 0; i < TapRecordSize; ++i) {
        min[i] = std::min(min[i], record[i]);
        max[i] = std::max(max[i], record[i]);
        anySet[i] |= record[i];
        allSet[i] &= record[i];
        if (previous)
            changed[i] |= Byte(record[i] ^ (*previous)[i]);
    }
    lastMs = ms;
    ++reads;
}

void LaneSummary::merge(const LaneSummary& later)
{
    if (later.reads == 0)
        return;
    if (reads == 0) {
        *this = later;
        return;
    }
    for (int i = 0; i < TapRecordSize; ++i) {
        min[i] = std::min(min[i], later.min[i]);
        max[i] = std::max(max[i], later.max[i]);
        anySet[i] |= later.anySet[i];
        allSet[i] &= later.allSet[i];
        changed[i] |= later.changed[i];
    }
    lastMs = later.lastMs;
    reads += later.reads;
}

QByteArray LaneSummary::encode() const
{
    QByteArray out;
    out.reserve(SummaryBytes);
    appendLe64(out, std::uint64_t(firstMs));
    appendLe64(out, std::uint64_t(lastMs));
    for (int i = 0; i < 4; ++i)
        out.append(char(Byte(std::uint32_t(reads) >> (8 * i))));
    for (const auto* lane : {&min, &max, &anySet, &allSet, &changed})
        out.append(reinterpret_cast<const char*>(lane->data()), TapRecordSize);
    return out;
}

bool LaneSummary::decode(const QByteArray& blob)
{
    if (blob.size() != SummaryBytes)
        return false;
    const auto* p = reinterpret_cast<const Byte*>(blob.constData());
    firstMs = std::int64_t(readLe64(p));
    lastMs = std::int64_t(readLe64(p + 8));
    reads = int(readLe32(p + 16));
    p += 20;
    for (auto* lane : {&min, &max, &anySet, &allSet, &changed}) {
        std::copy_n(p, TapRecordSize, lane->begin());
        p += TapRecordSize;
    }
    return reads > 0 && lastMs >= firstMs;
}

void BlockEncoder::add(std::int64_t ms, const RecordBytes& record)
{
    if (reads_ == 0) {
        firstMs_ = ms;
        lastMs_ = ms;
    }
    appendVarint(data_, std::uint64_t(std::max<std::int64_t>(0, ms - lastMs_)));
    Byte pairs[2 * TapRecordSize];
    int changes = 0;
    if (reads_ > 0)
        for (int i = 0; i < TapRecordSize; ++i)
            if (record[i] != last_[i]) {
                pairs[2 * changes] = Byte(i);
                pairs[2 * changes + 1] = record[i];
                ++changes;
            }
    if (reads_ == 0 || 2 * changes >= TapRecordSize) {
        data_.append(char(WholeRecord));
        data_.append(reinterpret_cast<const char*>(record.data()), TapRecordSize);
    } else {
        data_.append(char(changes));
        data_.append(reinterpret_cast<const char*>(pairs), 2 * changes);
    }
    last_ = record;
    lastMs_ = std::max(lastMs_, ms);
    ++reads_;
}

void BlockEncoder::clear()
{
    data_.clear();
    reads_ = 0;
}

bool decodeBlock(const QByteArray& data, std::int64_t firstMs,
                 const std::function<bool(std::int64_t, const RecordBytes&)>& each, bool* stopped)
{
    RecordBytes record{};
    std::int64_t ms = firstMs;
    qsizetype at = 0;
    bool first = true;
    while (at < data.size()) {
        std::uint64_t delta = 0;
        if (!readVarint(data, at, delta) || at >= data.size())
            return false;
        ms += std::int64_t(delta);
        const auto changes = Byte(data[at++]);
        if (changes == WholeRecord) {
            if (at + TapRecordSize > data.size())
                return false;
            std::copy_n(data.constData() + at, TapRecordSize, reinterpret_cast<char*>(record.data()));
            at += TapRecordSize;
        } else {
            if (first || changes >= TapRecordSize || at + 2 * changes > data.size())
                return false;
            for (int i = 0; i < changes; ++i, at += 2) {
                const auto offset = Byte(data[at]);
                if (offset >= TapRecordSize)
                    return false;
                record[offset] = Byte(data[at + 1]);
            }
        }
        first = false;
        if (!each(ms, record)) {
            if (stopped)
                *stopped = true;
            return false;
        }
    }
    return true;
}

} // namespace q7582
