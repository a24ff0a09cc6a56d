// The list reader on arbitrary bytes. Everything stays in memory: the folder is a
// function that invents WAV lengths, so nothing is read from or written to disk.
// Beyond not crashing, a loaded list must save and load again unchanged and clean.

#include "msgfolder/ErrorLog.h"
#include "msgfolder/ListFileReader.h"
#include "msgfolder/ListFileWriter.h"

#include <cstdint>
#include <cstdlib>

using namespace q7582;

namespace {

std::optional<qint64> inventedLength(const QString& number)
{
    const int n = messageNumberOf(number).value_or(0);
    if (n == 0)
        std::abort(); // the reader asked about a name it should have refused
    if (n % 3 == 0)
        return std::nullopt;
    return 44 + qint64(n) * 1000;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    MessageList list;
    const std::vector<LoadFinding> findings = readMessageList(file, inventedLength, list);

    const int lineEnds = int(file.count('\n'));
    for (const LoadFinding& f : findings)
        check(f.row >= 0 && f.row <= lineEnds);
    for (const MessageEntry& row : list.rows) {
        check(list.indexOf(row.number) == &row - list.rows.data()); // numbers are unique
        check(list.size(row.number) == inventedLength(row.number));
        check(!row.description.isEmpty());
    }

    MessageList again;
    check(readMessageList(listFileText(list), inventedLength, again).empty());
    check(again.title == list.title && again.rows == list.rows);

    const QByteArray log = errorLogText(findings, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), QLocale::c());
    check(log.endsWith("End of log\r\n"));
    return 0;
}
