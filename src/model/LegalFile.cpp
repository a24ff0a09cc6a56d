#include "model/LegalFile.h"

#include "model/BcdClock.h"

#include <algorithm>

namespace q7582 {

namespace {

// Year (from 2000), month, day, hour of each switch, packed BCD: the last Sunday of
// March at 02:00 and the last Sunday of October at 03:00, 2008..2027.
constexpr Byte BuiltInSwitches[40][4] = {
    {0x08, 0x03, 0x30, 0x02}, {0x08, 0x10, 0x26, 0x03}, {0x09, 0x03, 0x29, 0x02}, {0x09, 0x10, 0x25, 0x03},
    {0x10, 0x03, 0x28, 0x02}, {0x10, 0x10, 0x31, 0x03}, {0x11, 0x03, 0x27, 0x02}, {0x11, 0x10, 0x30, 0x03},
    {0x12, 0x03, 0x25, 0x02}, {0x12, 0x10, 0x28, 0x03}, {0x13, 0x03, 0x31, 0x02}, {0x13, 0x10, 0x27, 0x03},
    {0x14, 0x03, 0x30, 0x02}, {0x14, 0x10, 0x26, 0x03}, {0x15, 0x03, 0x29, 0x02}, {0x15, 0x10, 0x25, 0x03},
    {0x16, 0x03, 0x27, 0x02}, {0x16, 0x10, 0x30, 0x03}, {0x17, 0x03, 0x26, 0x02}, {0x17, 0x10, 0x29, 0x03},
    {0x18, 0x03, 0x25, 0x02}, {0x18, 0x10, 0x28, 0x03}, {0x19, 0x03, 0x31, 0x02}, {0x19, 0x10, 0x27, 0x03},
    {0x20, 0x03, 0x29, 0x02}, {0x20, 0x10, 0x25, 0x03}, {0x21, 0x03, 0x28, 0x02}, {0x21, 0x10, 0x31, 0x03},
    {0x22, 0x03, 0x27, 0x02}, {0x22, 0x10, 0x30, 0x03}, {0x23, 0x03, 0x26, 0x02}, {0x23, 0x10, 0x29, 0x03},
    {0x24, 0x03, 0x31, 0x02}, {0x24, 0x10, 0x27, 0x03}, {0x25, 0x03, 0x30, 0x02}, {0x25, 0x10, 0x26, 0x03},
    {0x26, 0x03, 0x29, 0x02}, {0x26, 0x10, 0x25, 0x03}, {0x27, 0x03, 0x28, 0x02}, {0x27, 0x10, 0x31, 0x03},
};

constexpr int SwitchCount = 40;
constexpr int IdLow = 0xFD, IdMid = 0xFE, IdHigh = 0xFF;
constexpr Byte BuiltInId[3] = {0x0E, 0x0A, 0x08}; // bytes 0xFD, 0xFE, 0xFF

constexpr int MonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

std::uint32_t legalSeconds(Byte second, Byte minute, Byte hour, Byte day, Byte month, Byte year)
{
    const int s = Bcd::decode(second, 3);
    if (s >= 60 || (second & 0x0F) > 9)
        return 0;
    const int mon = Bcd::decode(month, 1);
    if (mon > 12) // no table entry for it
        return 0;
    const std::uint64_t y = std::uint64_t(Bcd::decode(year, 4));

    std::uint64_t days = y == 0 ? 0 : 365 * y + (y - 1) / 4 + 1;
    for (int m = 1; m < mon; ++m)
        days += std::uint64_t(MonthDays[m - 1]);
    days += std::uint64_t(Bcd::decode(day, 2));
    if (mon > 2 && y % 4 == 0)
        days += 1;
    const std::uint64_t total = days * 86400 + std::uint64_t(Bcd::decode(hour, 2)) * 3600
                                + std::uint64_t(Bcd::decode(minute, 3)) * 60 + std::uint64_t(s);
    return std::uint32_t(total); // years of BCD 00..99 stay below 2^32
}

std::array<Byte, LegalFileSize> builtInLegalTable()
{
    std::array<Byte, LegalFileSize> table{};
    for (int i = 0; i < SwitchCount; ++i) {
        const Byte* e = BuiltInSwitches[i];
        writeLe32(table.data() + 4 * i, legalSeconds(0, 0, e[3], e[2], e[1], e[0]));
    }
    table[IdLow] = BuiltInId[0];
    table[IdMid] = BuiltInId[1];
    table[IdHigh] = BuiltInId[2];
    return table;
}

std::uint32_t legalFileIdOf(const Byte* table)
{
    return std::uint32_t(table[IdHigh]) << 24 | std::uint32_t(table[IdMid]) << 16 | std::uint32_t(table[IdLow]) << 8;
}

FileResult createLegalFileIfMissing(const std::string& path)
{
    if (fileExists(path) && !isDirectory(path))
        return {};
    const auto table = builtInLegalTable();
    return replaceFile(path, std::string_view(reinterpret_cast<const char*>(table.data()), table.size()));
}

FileResult loadLegalFile(LegalFileImage& image, const std::string& path)
{
    std::string content;
    const FileResult r = readFile(path, content, LegalBufferSize);
    if (!r.ok)
        return r;
    image.buffer.fill(0);
    std::copy(content.begin(), content.end(), image.buffer.begin());
    image.legalFileId = legalFileIdOf(image.buffer.data());
    return r;
}

} // namespace q7582
