#include "MessageFolderFixture.h"

#include "msgfolder/ErrorLog.h"
#include "msgfolder/ListFileReader.h"
#include "msgfolder/MessageFolder.h"

using namespace q7582;
using q7582::test::MessageFolderTest;
using q7582::test::readFile;

namespace {

const QDateTime Now(QDate(2026, 12, 6), QTime(14, 5, 33));
const QByteArray Header = "loading message list at 14:05.33 of Sun, 06/12/2026\r\n";

std::vector<std::pair<QString, QString>> rowsOf(const MessageList& list)
{
    std::vector<std::pair<QString, QString>> rows;
    for (const MessageEntry& e : list.rows)
        rows.emplace_back(e.number, e.description);
    return rows;
}

} // namespace

TEST(ListLines, PiecesRowNumbersAndLineEnds)
{
    const QByteArray file = QByteArray(198, 'a') + "\r\n" // fits the buffer with its line end
                            + QByteArray(199, 'b') + "\n" // one byte too long: two pieces
                            + QByteArray("c\rd\re\0f\n", 8)  // lone CRs stay, a NUL ends the text
                            + "tail";                         // no line end at the end
    const std::vector<ListLine> lines = listLines(file);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text, QByteArray(198, 'a'));
    EXPECT_EQ(lines[0].row, 1);
    EXPECT_EQ(lines[1].text, QByteArray(199, 'b'));
    EXPECT_EQ(lines[1].row, 1);
    EXPECT_EQ(lines[2].text, "");
    EXPECT_EQ(lines[2].row, 2);
    EXPECT_EQ(lines[3].text, "c\rd\re");
    EXPECT_EQ(lines[3].row, 3);
    EXPECT_EQ(lines[4].text, "tail");
    EXPECT_EQ(lines[4].row, 3);
}

TEST(ListLines, FieldsAndSizeNumbers)
{
    const EntryFields bare = entryFields("001");
    EXPECT_EQ(bare.name, "001");
    EXPECT_TRUE(bare.description.isEmpty() && bare.size.isEmpty());
    const EntryFields two = entryFields("002|Gate 2");
    EXPECT_EQ(two.description, "Gate 2");
    EXPECT_TRUE(two.size.isEmpty());
    const EntryFields extra = entryFields("003|Desc|12|34");
    EXPECT_EQ(extra.description, "Desc");
    EXPECT_EQ(extra.size, "12|34");
    EXPECT_EQ(entryFields("|||").name, "");

    EXPECT_EQ(sizeFieldValue("1044"), 1044);
    EXPECT_EQ(sizeFieldValue("12|34"), 12);
    EXPECT_EQ(sizeFieldValue(" 7"), 7);
    EXPECT_EQ(sizeFieldValue("abc"), std::nullopt);
    EXPECT_EQ(sizeFieldValue("-5"), std::nullopt);
    EXPECT_EQ(sizeFieldValue(""), std::nullopt);
    EXPECT_EQ(sizeFieldValue("99999999999999999999999"), std::nullopt);
}

TEST_F(MessageFolderTest, LoadReportsEachFindingWithItsRowAndRepairsTheList)
{
    addWav("003.wav", 10);  // 64 bytes, lower-case extension
    addWav("004.WAV", 500); // 1044 bytes
    addWav("002.Wav", 0);   // 44 bytes
    writeList(";Station north\r\n"
              "7|one digit|1044\r\n"
              "008|gone|10\r\n"
              "003||\r\n"
              "004|Platform 4|1000\r\n"
              "003|again|64\r\n"
              "../|x|0\r\n"
              ";second title\r\n"
              "002|Last line|abc");

    MessageFolder mf;
    mf.open(folder());
    const LoadOutcome loaded = mf.LoadMessageList(Now, QLocale::c());
    ASSERT_TRUE(loaded.list.ok);
    ASSERT_TRUE(loaded.log.ok);
    const std::vector<LoadFinding> expected = {
        {2, Finding::InvalidName}, {3, Finding::NoWavFile},        {4, Finding::SizeEmpty},
        {4, Finding::DescriptionEmpty}, {5, Finding::SizeWrong},   {6, Finding::Duplicate},
        {7, Finding::InvalidName}, {8, Finding::SizeWrong}};
    EXPECT_EQ(loaded.findings, expected);

    EXPECT_EQ(mf.list().title, "Station north");
    using Row = std::pair<QString, QString>;
    EXPECT_EQ(rowsOf(mf.list()), (std::vector<Row>{{"003", "Unknown description"},
                                                   {"004", "Platform 4"},
                                                   {"002", "Last line"}}));
    EXPECT_EQ(mf.list().size("003"), 64);
    EXPECT_EQ(mf.list().size("004"), 1044);
    EXPECT_EQ(mf.list().size("002"), 44);

    EXPECT_EQ(readFile(inFolder("error.log")),
              Header
                  + "Row 2: invalid file name in the list, discarded from list\r\n"
                    "Row 3: file not found in message folder, discarded from list\r\n"
                    "Row 4: missing file dimension, recovered from file\r\n"
                    "Row 4: missing file description, loaded 'unknown description'\r\n"
                    "Row 5: file dimension in list different from file in message folder, "
                    "updated from file\r\n"
                    "Row 6: duplicate message number in the list, discarded from list\r\n"
                    "Row 7: invalid file name in the list, discarded from list\r\n"
                    "Row 8: file dimension in list different from file in message folder, "
                    "updated from file\r\n"
                    "End of log\r\n");

    // The repaired list, once saved, loads clean in the same order.
    ASSERT_TRUE(mf.save().ok);
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), ";Station north\r\n"
                                                 "003|Unknown description|64\r\n"
                                                 "004|Platform 4|1044\r\n"
                                                 "002|Last line|44\r\n");
    mf.open(folder());
    const LoadOutcome again = mf.LoadMessageList(Now, QLocale::c());
    EXPECT_TRUE(again.findings.empty());
    EXPECT_EQ(rowsOf(mf.list()).size(), 3u);
    EXPECT_EQ(readFile(inFolder("error.log")), Header + "End of log\r\n");
}

TEST_F(MessageFolderTest, TitleAndCommentLines)
{
    MessageFolder mf;
    mf.open(folder());
    writeList(";Only title\n");
    EXPECT_TRUE(mf.LoadMessageList(Now, QLocale::c()).findings.empty());
    EXPECT_EQ(mf.list().title, "Only title");
    EXPECT_TRUE(mf.list().rows.empty());

    // No ";" line: the title stays as it was.
    addWav("001.WAV", 1);
    writeList("001|One|46\n");
    mf.open(folder());
    EXPECT_TRUE(mf.LoadMessageList(Now, QLocale::c()).findings.empty());
    EXPECT_EQ(mf.list().title, "");
    EXPECT_EQ(mf.list().rows.size(), 1u);
}

TEST_F(MessageFolderTest, HostileListFilesLoadSafely)
{
    addWav("001.WAV", 1);
    MessageFolder mf;
    mf.open(folder());
    const QByteArray hostile[] = {
        QByteArray(100000, '|'),
        QByteArray(5000, 'x') + "\n" + QByteArray(3000, '\0'),
        "001|d|18446744073709551616999\r001|d|-46\r",
        QByteArray("\0\0\0|\0|\0", 8),
    };
    for (const QByteArray& content : hostile) {
        writeList(content);
        const LoadOutcome loaded = mf.LoadMessageList(Now, QLocale::c());
        EXPECT_TRUE(loaded.list.ok && loaded.log.ok);
        EXPECT_FALSE(loaded.findings.empty());
        EXPECT_LE(mf.list().rows.size(), 1u);
        EXPECT_EQ(mf.list().size("001"), mf.list().rows.empty() ? 0 : 46);
    }
}

TEST_F(MessageFolderTest, UnreadableListAndUnwritableLogAreReported)
{
    MessageFolder mf;
    mf.open(folder());
    ASSERT_TRUE(QDir(folder()).mkdir("MSGLIST.TXT")); // a folder where the list should be
    const LoadOutcome unreadable = mf.LoadMessageList(Now, QLocale::c());
    EXPECT_FALSE(unreadable.list.ok);
    EXPECT_FALSE(unreadable.list.error.empty());
    EXPECT_FALSE(QFile::exists(inFolder("error.log")));

    ASSERT_TRUE(QDir(folder()).rmdir("MSGLIST.TXT"));
    addWav("001.WAV", 1);
    writeList(";T\r\n001|One|46\r\n");
    ASSERT_TRUE(QDir(folder()).mkdir("error.log"));
    const LoadOutcome noLog = mf.LoadMessageList(Now, QLocale::c());
    EXPECT_TRUE(noLog.list.ok);
    EXPECT_FALSE(noLog.log.ok);
    EXPECT_FALSE(noLog.log.error.empty());
    EXPECT_EQ(mf.list().rows.size(), 1u);
}
