#include "MessageFolderFixture.h"

#include "msgfolder/ErrorLog.h"
#include "msgfolder/ListFileWriter.h"
#include "msgfolder/MessageFolder.h"

#include <QFileInfo>

#include <sys/stat.h>

using namespace q7582;
using namespace q7582::test;

namespace {

const QDateTime Now(QDate(2026, 12, 6), QTime(14, 5, 33));
const QByteArray Header = "loading message list at 14:05.33 of Sun, 06/12/2026\r\n";

} // namespace

TEST(ListLines, PiecesRowNumbersLineEndsAndTextsThatCannotBreakThem)
{
    const QByteArray file = QByteArray(198, 'a') + "\r\n" // fits the buffer with its line end
                            + QByteArray(199, 'b') + "\n" // one byte too long: two pieces
                            + QByteArray("c\rd\0f\n", 6)  // a lone CR stays, a NUL ends the text
                            + "tail";                     // no line end at the end
    std::vector<std::pair<QByteArray, int>> lines;
    for (const ListLine& line : listLines(file))
        lines.emplace_back(line.text, line.row);
    EXPECT_EQ(lines, (std::vector<std::pair<QByteArray, int>>{
                         {QByteArray(198, 'a'), 1}, {QByteArray(199, 'b'), 1}, {"", 2}, {"c\rd", 3}, {"tail", 3}}));

    // What the manager writes: no text breaks the format.
    MessageList list;
    list.title = "Line\r\nbreak|kept";
    list.rows.push_back({"002", QString::fromUtf8("a|b\nc\u20ac")});
    list.rows.push_back({"003", QString(300, 'n')}); // a long file name of an added message
    list.setSize("002", 1044);
    list.setSize("003", 4294967295);
    const QByteArray text = listFileText(list);
    EXPECT_TRUE(text.startsWith(";Line  break|kept\r\n002|a b c?|1044\r\n003|nnn"));
    for (const ListLine& line : listLines(text))
        EXPECT_LE(line.text.size(), 198) << line.row; // the generator reads whole lines
}

TEST_F(MessageFolderTest, LoadLogsEachFindingWithItsRowAndRepairsTheList)
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
    ASSERT_TRUE(loaded.list.ok && loaded.log.ok);
    EXPECT_EQ(fileBytes("MSGVELA/error.log"),
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

    // The repaired list (title, rows in the file's order), once saved, loads clean.
    ASSERT_TRUE(mf.save().ok);
    EXPECT_EQ(list(), ";Station north\r\n003|Unknown description|64\r\n"
                      "004|Platform 4|1044\r\n002|Last line|44\r\n");
    mf.open(folder());
    EXPECT_TRUE(mf.LoadMessageList(Now, QLocale::c()).findings.empty());
    EXPECT_EQ(fileBytes("MSGVELA/error.log"), Header + "End of log\r\n");
}

// The title line is optional; hostile list files load safely.
TEST_F(MessageFolderTest, TitleLineIsOptionalHostileListFilesLoadSafelyAndAChosenFolderLeadsToMsgvela)
{
    MessageFolder mf;
    mf.open(folder());
    writeList(";Only title\n");
    EXPECT_TRUE(mf.LoadMessageList().findings.empty());
    EXPECT_EQ(std::tuple(mf.list().title, mf.list().rows.size()), std::tuple("Only title", 0u));
    addWav("001.WAV", 1);
    writeList("001|One|46|further bars belong to the size\n");
    mf.open(folder());
    EXPECT_TRUE(mf.LoadMessageList().findings.empty());
    EXPECT_EQ(std::tuple(mf.list().title, mf.list().rows.size()), std::tuple("", 1u));

    // The third has CR-only line ends: one line.
    const QByteArray hostile[] = {QByteArray(100000, '|'), QByteArray(5000, 'x') + "\n" + QByteArray(3000, '\0'),
                                  "001|d|18446744073709551616999\r001|d|-46\r", QByteArray("\0\0\0|\0|\0", 8)};
    for (const QByteArray& content : hostile) {
        writeList(content);
        const LoadOutcome loaded = mf.LoadMessageList();
        EXPECT_TRUE(loaded.list.ok && loaded.log.ok && !loaded.findings.empty());
        EXPECT_LE(mf.list().rows.size(), 1u);
        EXPECT_EQ(mf.list().size("001"), mf.list().rows.empty() ? 0 : 46);
    }

    // An error.log that cannot be written is reported; the list is loaded all the same.
    ASSERT_TRUE(QFile::remove(inFolder("error.log")) && QDir(folder()).mkdir("error.log"));
    writeList("001|One|46\r\n");
    const LoadOutcome noLog = mf.LoadMessageList();
    EXPECT_TRUE(noLog.list.ok && !noLog.log.ok && !noLog.log.error.empty());
    EXPECT_EQ(mf.list().rows.size(), 1u);

    // A pipe in place of the list is refused at once and loads nothing.
    ASSERT_TRUE(QFile::remove(inFolder("MSGLIST.TXT")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(inFolder("MSGLIST.TXT")).constData(), 0666), 0);
    EXPECT_FALSE(mf.LoadMessageList().list.ok);
    EXPECT_EQ(mf.list().rows.size(), 1u);

    // A chosen folder leads to its MSGVELA.
    EXPECT_EQ(messageFolderFor(tmp.path() + "/").folder + messageFolderFor(folder()).folder, folder() + folder());

    ASSERT_TRUE(QDir(tmp.path()).mkdir("card"));
    EXPECT_TRUE(messageFolderFor(tmp.filePath("card")).result.ok && QFileInfo(tmp.filePath("card/MSGVELA")).isDir());

    ASSERT_TRUE(QDir(tmp.path()).mkdir("blocked"));
    put("blocked/MSGVELA", "not a folder");
    EXPECT_FALSE(messageFolderFor(tmp.filePath("blocked")).result.error.empty());
}

TEST_F(MessageFolderTest, AddPlacesByNumberAndCopiesTheWavAndAnUnsavedChangeIsTakenBack)
{
    addWav("003.WAV", 1);
    addWav("010.WAV", 1);
    addWav("005.wav", 7); // a stale file of the number being added
    writeList(";Gates\r\n010|Ten|46\r\n003|Three|46\r\n");
    const QString source = tmp.filePath("Departure gate.wav");
    put("Departure gate.wav", wavBytes(100));
    MessageFolder mf;
    mf.open(folder());
    ASSERT_TRUE(mf.LoadMessageList().findings.empty());

    // Loaded rows keep the file's order; an added one goes before the first greater number.
    const AddOutcome added = mf.addMessage(source, "005");
    EXPECT_TRUE(added.copy.ok && added.save.ok && added.row == 0);
    EXPECT_EQ(fileBytes("MSGVELA/005.WAV"), wavBytes(100));
    EXPECT_FALSE(QFile::exists(inFolder("005.wav")));
    const QByteArray saved = ";Gates\r\n005|Departure gate.wav|244\r\n010|Ten|46\r\n003|Three|46\r\n";
    EXPECT_EQ(list(), saved);

    // A failed copy leaves the row without its file and the list file as it was.
    EXPECT_FALSE(mf.addMessage(tmp.filePath("missing.wav"), "127").copy.error.empty());
    EXPECT_EQ(std::tuple(mf.list().rows.back().number, list()), std::tuple("127", saved));

    // A change that cannot be saved is taken back.
    const std::vector<MessageEntry> rows = mf.list().rows;
    ASSERT_TRUE(QDir(folder()).removeRecursively());      // the card was pulled out
    EXPECT_FALSE(mf.setTitle("New title").error.empty()); // a failure says why
    EXPECT_FALSE(mf.setDescription(0, "New").ok || mf.deleteMessage(0).ok);
    EXPECT_EQ(std::tuple(mf.list().title, mf.list().rows), std::tuple("Gates", rows));
}
