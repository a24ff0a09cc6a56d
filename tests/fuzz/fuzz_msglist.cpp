// The list reader on arbitrary bytes. Everything stays in memory: the folder is a
// function that invents WAV lengths, so nothing is read from or written to disk.
// Beyond not crashing, a loaded list must save and load again unchanged and clean.

#include "FuzzCheck.h"
#include "msgfolder/ErrorLog.h"
#include "msgfolder/ListFileReader.h"
#include "msgfolder/ListFileWriter.h"

#include <cstdint>

using namespace q7582;

namespace {

std::optional<qint64> inventedLength(const QString& number)
{
    const int n = messageNumberOf(number).value_or(0);
    check(n != 0); // else the reader asked about a name it should have refused
    return n % 3 == 0 ? std::nullopt : std::optional<qint64>(44 + qint64(n) * 1000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    MessageList list;
    const std::vector<LoadFinding> findings = readMessageList(file, inventedLength, list);

    for (const LoadFinding& f : findings)
        check(f.row >= 0 && f.row <= file.count('\n'));
    for (const MessageEntry& row : list.rows) {
        check(list.indexOf(row.number) == &row - list.rows.data()); // numbers are unique
        check(list.size(row.number) == inventedLength(row.number));
        check(!row.description.isEmpty());
    }

    MessageList again;
    check(readMessageList(listFileText(list), inventedLength, again).empty());
    check(again.title == list.title && again.rows == list.rows);
    check(
        errorLogText(findings, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), QLocale::c()).endsWith("End of log\r\n"));
    return 0;
}
