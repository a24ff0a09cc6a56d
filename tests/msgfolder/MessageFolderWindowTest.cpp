#include "MessageFolderFixture.h"
#include "ScriptedDialogs.h"

#include "msgfolder/MessageFolderWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>

using namespace q7582;

namespace {

class MessageFolderWindowTest : public q7582::test::MessageFolderTest {
protected:
    void SetUp() override
    {
        MessageFolderTest::SetUp();
        window = std::make_unique<MessageFolderWindow>(dialogs);
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    QTableWidget* grid() { return window->findChild<QTableWidget*>("Lista"); }
    QString panel(const char* name) { return window->findChild<QLabel*>(name)->text(); }
    QString title() { return window->findChild<QLineEdit*>("Edit2")->text(); }
    void openFolder(const QString& chosen)
    {
        dialogs.answers.push_back(chosen);
        action("MsgFolder")->trigger();
    }

    test::ScriptedDialogs dialogs;
    std::unique_ptr<MessageFolderWindow> window;
};

} // namespace

TEST_F(MessageFolderWindowTest, StatesFollowOpenCloseAndExit)
{
    auto expectOpen = [&](bool open) {
        EXPECT_EQ(action("MsgFolder")->isEnabled(), !open);
        for (const char* name : {"CloseFolder", "AddMsg", "DeleteMsg", "ChgTitle", "FileFnd", "ChgFile"})
            EXPECT_EQ(action(name)->isEnabled(), open) << name;
        EXPECT_EQ(grid()->isHidden(), !open);
        EXPECT_EQ(panel("FolderPanel"), open ? "Message folder: " + folder() : QString("Message folder: not selected"));
    };
    expectOpen(false);

    // The card's root: its MSGVELA is used, and a missing list is created even after Cancel.
    openFolder(tmp.path());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0], "Unknown description");
    EXPECT_EQ(list(), ";Unknown description\r\n");
    EXPECT_EQ(title(), "Unknown description");
    expectOpen(true);

    // Both Exits close the window; the folder is still open when it comes back.
    for (const char* exit : {"ExitAct", "Exit1"}) {
        window->show();
        action(exit)->trigger();
        EXPECT_FALSE(window->isVisible()) << exit;
    }
    expectOpen(true);

    // The Close button keeps its own hint through the state changes; hints go to the first panel.
    action("CloseFolder")->trigger();
    expectOpen(false);
    EXPECT_EQ(title(), "");
    QWidget* closeButton = window->findChild<QToolBar*>()->widgetForAction(action("CloseFolder"));
    QStatusTipEvent hover(closeButton->statusTip());
    QCoreApplication::sendEvent(closeButton, &hover);
    EXPECT_EQ(panel("HintPanel"), "Close Message Folder");

    int context = 0;
    window->setHelpHook([&](int c) { context = c; });
    action("HelpAct")->trigger();
    EXPECT_EQ(context, 4000);
}

TEST_F(MessageFolderWindowTest, TextBoxAsksAgainUntilTheTextFits)
{
    QString text = "Old";
    dialogs.answers = {QString(101, 'x'), QString(100, 'y')};
    EXPECT_TRUE(window->editTextBox(text, MessageFolderWindow::TextKind::Title));
    EXPECT_EQ(text, QString(100, 'y'));
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1], "Old");

    text = "Gate";
    dialogs.answers = {QString(51, 'x'), QString()};
    EXPECT_FALSE(window->editTextBox(text, MessageFolderWindow::TextKind::Description));
    EXPECT_EQ(text, "Gate");
    dialogs.answers = {QString(50, 'z')};
    EXPECT_TRUE(window->editTextBox(text, MessageFolderWindow::TextKind::Description));
}

TEST_F(MessageFolderWindowTest, MessageNumberTakesOnlyWholeNumbersInRange)
{
    dialogs.answers = {"0", "128", " 7"};
    EXPECT_EQ(window->askMessageNumber("Find message in list"), "007");
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[2], "1");

    dialogs.answers = {"abc", "5"};
    EXPECT_EQ(window->askMessageNumber("Add message to list"), std::nullopt);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].second, "'abc' is not a valid integer value");
    EXPECT_EQ(dialogs.answers.size(), 1u); // the action ended at the bad entry
}

TEST_F(MessageFolderWindowTest, AddRefusesAUsedNumberAndDeleteRemovesTheFile)
{
    addWav("003.WAV", 1);
    addWav("010.WAV", 1);
    writeList(";Gates\r\n003|Three|46\r\n010|Ten|46\r\n");
    openFolder(folder());
    const QString source = tmp.filePath("new.wav");
    put("new.wav", test::wavBytes(3));
    dialogs.answers = {source, "3", "5"};
    action("AddMsg")->trigger();
    EXPECT_EQ(dialogs.asked.size(), 2u);
    ASSERT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(grid()->item(1, 0)->text(), "005");
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_TRUE(QFile::exists(inFolder("005.WAV")));

    dialogs.oks = {false, true};
    action("DeleteMsg")->trigger();
    EXPECT_TRUE(QFile::exists(inFolder("005.WAV")));
    action("DeleteMsg")->trigger();
    EXPECT_EQ(dialogs.okCancelAsked.back().second, "ARE YOU SURE ?");
    EXPECT_FALSE(QFile::exists(inFolder("005.WAV")));
    EXPECT_EQ(list(), ";Gates\r\n003|Three|46\r\n010|Ten|46\r\n");
}

TEST_F(MessageFolderWindowTest, FindingsOfALoadOfferTheLogAndASave)
{
    addWav("004.WAV", 500);
    writeList(";T\r\n004|Four|1000\r\n");
    dialogs.oks = {true, true};
    openFolder(folder());
    ASSERT_EQ(dialogs.okCancelAsked.size(), 2u);
    EXPECT_EQ(dialogs.okCancelAsked[0].first, "Error loading message folder.");
    EXPECT_EQ(dialogs.okCancelAsked[1].second, "Save the list with the corrections?");
    EXPECT_EQ(dialogs.viewed, QStringList{inFolder("error.log")});
    EXPECT_EQ(list(), ";T\r\n004|Four|1044\r\n");

    // Declined, the file stays as it was; the next change saves the repaired list.
    action("CloseFolder")->trigger();
    writeList(";T\r\n004||1000\r\n");
    dialogs.oks = {false, false};
    openFolder(folder());
    EXPECT_EQ(dialogs.viewed.size(), 1u);
    EXPECT_EQ(list(), ";T\r\n004||1000\r\n");
    dialogs.answers = {"T2"};
    action("ChgTitle")->trigger();
    EXPECT_EQ(list(), ";T2\r\n004|Unknown description|1044\r\n");
}

TEST_F(MessageFolderWindowTest, AnUnreadableListLeavesTheFolderClosed)
{
    ASSERT_TRUE(QDir(folder()).mkdir("MSGLIST.TXT"));
    openFolder(folder());
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].first, "Errore");
    EXPECT_EQ(dialogs.icons[0], QMessageBox::Critical);
    EXPECT_TRUE(action("MsgFolder")->isEnabled());
    EXPECT_TRUE(QFileInfo(inFolder("MSGLIST.TXT")).isDir());
}

TEST_F(MessageFolderWindowTest, EmptyListFindAndChangeDescription)
{
    writeList(";T\r\n");
    openFolder(folder());
    dialogs.oks = {true};
    action("DeleteMsg")->trigger(); // nothing to delete: no question
    action("FileFnd")->trigger();
    action("ChgFile")->trigger();
    ASSERT_EQ(dialogs.okCancelAsked.size(), 2u);
    EXPECT_EQ(dialogs.okCancelAsked[1].first + dialogs.okCancelAsked[1].second, "Find fileLIST IS EMPTY");

    action("CloseFolder")->trigger();
    addWav("001.WAV", 1);
    addWav("010.WAV", 1);
    writeList(";T\r\n001|One|46\r\n010|Ten|46\r\n");
    openFolder(folder());
    dialogs.answers = {"9", "10", "Platform|ten"};
    action("FileFnd")->trigger();
    EXPECT_EQ(grid()->currentRow(), 1);
    action("ChgFile")->trigger();
    EXPECT_EQ(list(), ";T\r\n001|One|46\r\n010|Platform ten|46\r\n");
}
