#include "MessageFolderFixture.h"

#include "msgfolder/ListFileWriter.h"
#include "msgfolder/MessageFolder.h"

#include <QFileInfo>

using namespace q7582;
using q7582::test::MessageFolderTest;
using q7582::test::readFile;
using q7582::test::wavBytes;
using q7582::test::writeFile;

namespace {

QStringList numbersOf(const MessageList& list)
{
    QStringList numbers;
    for (const MessageEntry& e : list.rows)
        numbers << e.number;
    return numbers;
}

} // namespace

TEST(ListFileText, TextsCannotBreakTheLineFormat)
{
    MessageList list;
    list.title = "Line\r\nbreak|kept";
    list.rows.push_back({"002", QString::fromUtf8("a|b\nc\u20ac")});
    list.setSize("002", 1044);
    EXPECT_EQ(listFileText(list), ";Line  break|kept\r\n002|a b c?|1044\r\n");
}

TEST_F(MessageFolderTest, ChosenFolderLeadsToMsgvela)
{
    const FolderChoice fromRoot = messageFolderFor(root.path() + "/");
    EXPECT_TRUE(fromRoot.result.ok);
    EXPECT_EQ(fromRoot.folder, folder());

    EXPECT_EQ(messageFolderFor(folder()).folder, folder());

    ASSERT_TRUE(QDir(root.path()).mkdir("card"));
    const FolderChoice created = messageFolderFor(root.filePath("card"));
    EXPECT_TRUE(created.result.ok);
    EXPECT_TRUE(QFileInfo(root.filePath("card/MSGVELA")).isDir());

    ASSERT_TRUE(QDir(root.path()).mkdir("blocked"));
    writeFile(root.filePath("blocked/MSGVELA"), "not a folder");
    const FolderChoice blocked = messageFolderFor(root.filePath("blocked"));
    EXPECT_FALSE(blocked.result.ok);
    EXPECT_FALSE(blocked.result.error.empty());
}

TEST_F(MessageFolderTest, AddPlacesByNumberAndCopiesTheWav)
{
    addWav("003.WAV", 1);
    addWav("010.WAV", 1);
    addWav("005.wav", 7); // a stale file of the number being added
    writeList(";Gates\r\n010|Ten|46\r\n003|Three|46\r\n");
    const QString source = root.filePath("Departure gate.wav");
    writeFile(source, wavBytes(100));

    MessageFolder mf;
    mf.open(folder());
    ASSERT_TRUE(mf.LoadMessageList().findings.empty());
    const AddOutcome added = mf.addMessage(source, "005");
    EXPECT_TRUE(added.copy.ok && added.save.ok);
    // Loaded rows keep the file's order; the new one goes before the first greater number.
    EXPECT_EQ(numbersOf(mf.list()), (QStringList{"005", "010", "003"}));
    EXPECT_EQ(added.row, 0);
    EXPECT_EQ(readFile(inFolder("005.WAV")), wavBytes(100));
    EXPECT_FALSE(QFile::exists(inFolder("005.wav")));
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")),
              ";Gates\r\n005|Departure gate.wav|244\r\n010|Ten|46\r\n003|Three|46\r\n");

    // A failed copy leaves the row without its file and the list file as it was.
    const QByteArray saved = readFile(inFolder("MSGLIST.TXT"));
    const AddOutcome failed = mf.addMessage(root.filePath("missing.wav"), "127");
    EXPECT_FALSE(failed.copy.ok);
    EXPECT_FALSE(failed.copy.error.empty());
    EXPECT_EQ(numbersOf(mf.list()).last(), "127");
    EXPECT_FALSE(QFile::exists(inFolder("127.WAV")));
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), saved);
}

TEST_F(MessageFolderTest, DeleteRemovesTheWavFile)
{
    addWav("003.wav", 1);
    addWav("004.WAV", 1);
    writeList(";T\r\n003|Three|46\r\n004|Four|46\r\n");
    MessageFolder mf;
    mf.open(folder());
    mf.LoadMessageList();

    EXPECT_TRUE(mf.deleteMessage(0).ok);
    EXPECT_FALSE(QFile::exists(inFolder("003.wav")));
    EXPECT_EQ(numbersOf(mf.list()), QStringList{"004"});
    EXPECT_EQ(mf.list().size("003"), 0);
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), ";T\r\n004|Four|46\r\n");

    // A row whose file is already gone is simply removed.
    ASSERT_TRUE(QFile::remove(inFolder("004.WAV")));
    EXPECT_TRUE(mf.deleteMessage(0).ok);
    EXPECT_TRUE(mf.list().rows.empty());
}

TEST_F(MessageFolderTest, AChangeThatCannotBeSavedIsTakenBack)
{
    addWav("001.WAV", 1);
    writeList(";Old title\r\n001|One|46\r\n");
    MessageFolder mf;
    mf.open(folder());
    mf.LoadMessageList();

    ASSERT_TRUE(QDir(folder()).removeRecursively()); // the card was pulled out
    const FileResult title = mf.setTitle("New title");
    EXPECT_FALSE(title.ok);
    EXPECT_FALSE(title.error.empty());
    EXPECT_EQ(mf.list().title, "Old title");
    EXPECT_FALSE(mf.setDescription(0, "New").ok);
    EXPECT_EQ(mf.list().rows[0].description, "One");
    EXPECT_FALSE(mf.deleteMessage(0).ok);
    EXPECT_EQ(mf.list().rows.size(), 1u);
}
