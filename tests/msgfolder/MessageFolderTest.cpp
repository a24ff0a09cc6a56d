#include "MessageFolderFixture.h"

#include "msgfolder/ListFileWriter.h"
#include "msgfolder/MessageFolder.h"

#include <QFileInfo>

using namespace q7582;
using q7582::test::MessageFolderTest;
using q7582::test::wavBytes;

TEST(ListFileText, TextsCannotBreakTheLineFormat)
{
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

TEST_F(MessageFolderTest, ChosenFolderLeadsToMsgvela)
{
    EXPECT_EQ(messageFolderFor(tmp.path() + "/").folder + messageFolderFor(folder()).folder, folder() + folder());

    ASSERT_TRUE(QDir(tmp.path()).mkdir("card"));
    EXPECT_TRUE(messageFolderFor(tmp.filePath("card")).result.ok);
    EXPECT_TRUE(QFileInfo(tmp.filePath("card/MSGVELA")).isDir());

    ASSERT_TRUE(QDir(tmp.path()).mkdir("blocked"));
    put("blocked/MSGVELA", "not a folder");
    const FolderChoice blocked = messageFolderFor(tmp.filePath("blocked"));
    EXPECT_FALSE(blocked.result.ok || blocked.result.error.empty());
}

TEST_F(MessageFolderTest, AddPlacesByNumberAndCopiesTheWav)
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
    const AddOutcome failed = mf.addMessage(tmp.filePath("missing.wav"), "127");
    EXPECT_FALSE(failed.copy.ok || failed.copy.error.empty());
    EXPECT_EQ(mf.list().rows.back().number, "127");
    EXPECT_EQ(list(), saved);
}

TEST_F(MessageFolderTest, AChangeThatCannotBeSavedIsTakenBack)
{
    addWav("001.WAV", 1);
    writeList(";Old title\r\n001|One|46\r\n");
    MessageFolder mf;
    mf.open(folder());
    ASSERT_TRUE(mf.LoadMessageList().list.ok);

    ASSERT_TRUE(QDir(folder()).removeRecursively()); // the card was pulled out
    const FileResult title = mf.setTitle("New title");
    EXPECT_FALSE(title.ok || title.error.empty());
    EXPECT_FALSE(mf.setDescription(0, "New").ok || mf.deleteMessage(0).ok);
    EXPECT_EQ(mf.list().title, "Old title");
    EXPECT_EQ(mf.list().rows, (std::vector<MessageEntry>{{"001", "One"}}));
}
