#include "FakeDialogs.h"
#include "MessageFolderFixture.h"

#include "msgfolder/SDIMAIN.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

using namespace q7582;
using q7582::test::FakeDialogs;
using q7582::test::readFile;
using q7582::test::wavBytes;
using q7582::test::writeFile;

namespace {

class CompilerWindow : public q7582::test::MessageFolderTest {
protected:
    void SetUp() override
    {
        MessageFolderTest::SetUp();
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        window = std::make_unique<TSDIAppForm>(std::move(fake));
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    QTableWidget* grid() { return window->findChild<QTableWidget*>("Lista"); }
    QString folderPanel() { return window->findChild<QLabel*>("FolderPanel")->text(); }
    QString title() { return window->findChild<QLineEdit*>("Edit2")->text(); }

    void openFolder(const QString& chosen)
    {
        dialogs->folders.push_back(chosen);
        action("MsgFolder")->trigger();
    }

    FakeDialogs* dialogs = nullptr;
    std::unique_ptr<TSDIAppForm> window;
};

const char* const ListActions[] = {"CloseFolder", "AddMsg", "DeleteMsg",
                                   "ChgTitle", "FileFnd", "ChgFile"};

} // namespace

TEST_F(CompilerWindow, StatesFollowOpenCloseAndExit)
{
    auto expectOpen = [&](bool open) {
        EXPECT_EQ(action("MsgFolder")->isEnabled(), !open);
        for (const char* name : ListActions)
            EXPECT_EQ(action(name)->isEnabled(), open) << name;
        EXPECT_EQ(grid()->isHidden(), !open);
        EXPECT_TRUE(action("HelpAct")->isEnabled() && action("ExitAct")->isEnabled());
    };
    expectOpen(false);
    EXPECT_EQ(folderPanel(), "Message folder: not selected");

    // The card's root: MSGVELA is used, and its missing list is created even after Cancel.
    openFolder(root.path());
    ASSERT_EQ(dialogs->asked.size(), 1u);
    EXPECT_EQ(dialogs->asked[0].caption, "Edit text box");
    EXPECT_EQ(dialogs->asked[0].initial, "Unknown description");
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), ";Unknown description\r\n");
    expectOpen(true);
    EXPECT_EQ(folderPanel(), "Message folder: " + folder());
    EXPECT_EQ(title(), "Unknown description");

    // Both Exits close the window; the folder is still open when it comes back.
    for (const char* exit : {"ExitAct", "Exit1"}) {
        window->show();
        action(exit)->trigger();
        EXPECT_FALSE(window->isVisible()) << exit;
    }
    expectOpen(true);

    action("CloseFolder")->trigger();
    expectOpen(false);
    EXPECT_EQ(title(), "");
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(folderPanel(), "Message folder: not selected");

    int context = 0;
    window->openHelp = [&](int c) { context = c; };
    action("HelpAct")->trigger();
    EXPECT_EQ(context, 4000);
    EXPECT_TRUE(dialogs->informed.empty());
}

TEST_F(CompilerWindow, EditTextAsksAgainUntilTheTextFits)
{
    QString text = "Old";
    dialogs->texts = {QString(101, 'x'), QString(100, 'y')};
    EXPECT_TRUE(window->EditText(text, TSDIAppForm::TextKind::Title));
    EXPECT_EQ(text, QString(100, 'y'));
    ASSERT_EQ(dialogs->asked.size(), 2u);
    EXPECT_EQ(dialogs->asked[1].initial, "Old");
    EXPECT_EQ(dialogs->asked[1].text, "Enter a title for the message list (max.100 char.)");

    text = "Gate";
    dialogs->texts = {QString(51, 'x'), test::Cancel};
    EXPECT_FALSE(window->EditText(text, TSDIAppForm::TextKind::Description));
    EXPECT_EQ(text, "Gate");
    EXPECT_EQ(dialogs->asked.back().text, "Enter a description of the message file (max. 50 char.)");
    dialogs->texts = {QString(50, 'z')};
    EXPECT_TRUE(window->EditText(text, TSDIAppForm::TextKind::Description));
    EXPECT_EQ(text, QString(50, 'z'));
}

TEST_F(CompilerWindow, AskMessageNumberTakesOnlyWholeNumbersInRange)
{
    dialogs->texts = {"0", "128", " 7"};
    EXPECT_EQ(window->AskMessageNumber("Find message in list"), "007");
    ASSERT_EQ(dialogs->asked.size(), 3u);
    for (const auto& shown : dialogs->asked) {
        EXPECT_EQ(shown.initial, "1");
        EXPECT_EQ(shown.text, "Enter a message number (1..127)");
    }

    dialogs->texts = {"abc", "5"};
    EXPECT_EQ(window->AskMessageNumber("Add message to list"), std::nullopt);
    ASSERT_EQ(dialogs->informed.size(), 1u);
    EXPECT_EQ(dialogs->informed[0].text, "'abc' is not a valid integer value");
    EXPECT_EQ(dialogs->texts.size(), 1u); // the action ended at the bad entry

    dialogs->texts = {test::Cancel};
    EXPECT_EQ(window->AskMessageNumber("Add message to list"), std::nullopt);
}

TEST_F(CompilerWindow, AddRefusesAUsedNumberAndDeleteRemovesTheFile)
{
    addWav("003.WAV", 1);
    addWav("010.WAV", 1);
    writeList(";Gates\r\n003|Three|46\r\n010|Ten|46\r\n");
    openFolder(folder());
    ASSERT_EQ(grid()->rowCount(), 2);
    EXPECT_TRUE(dialogs->confirmed.empty());

    const QString source = root.filePath("new.wav");
    writeFile(source, wavBytes(3));
    dialogs->files = {source};
    dialogs->texts = {"3", "5"};
    action("AddMsg")->trigger();
    EXPECT_EQ(dialogs->asked.size(), 2u);
    EXPECT_TRUE(dialogs->informed.empty());
    ASSERT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(grid()->item(1, 0)->text(), "005");
    EXPECT_EQ(grid()->item(1, 1)->text(), "new.wav");
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(readFile(inFolder("005.WAV")), wavBytes(3));

    dialogs->answers = {false};
    action("DeleteMsg")->trigger();
    EXPECT_TRUE(QFile::exists(inFolder("005.WAV")));
    dialogs->answers = {true};
    action("DeleteMsg")->trigger();
    EXPECT_EQ(dialogs->confirmed.back().caption, "Remove file from Message List");
    EXPECT_EQ(dialogs->confirmed.back().text, "ARE YOU SURE ?");
    EXPECT_FALSE(QFile::exists(inFolder("005.WAV")));
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), ";Gates\r\n003|Three|46\r\n010|Ten|46\r\n");

    // A copy that fails keeps its row, reports the system's reason and saves nothing.
    dialogs->files = {root.filePath("vanished.wav")};
    dialogs->texts = {"20"};
    action("AddMsg")->trigger();
    ASSERT_EQ(dialogs->informed.size(), 1u);
    EXPECT_EQ(dialogs->informed[0].caption, "Errore");
    EXPECT_EQ(grid()->item(2, 0)->text(), "020");
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), ";Gates\r\n003|Three|46\r\n010|Ten|46\r\n");
}

TEST_F(CompilerWindow, DeleteOnAnEmptyListDoesNothing)
{
    openFolder(folder());
    const size_t questions = dialogs->confirmed.size();
    dialogs->answers = {true};
    action("DeleteMsg")->trigger();
    EXPECT_EQ(dialogs->confirmed.size(), questions);
    EXPECT_TRUE(dialogs->informed.empty());
}

TEST_F(CompilerWindow, FindingsOfALoadOfferTheLogAndASave)
{
    addWav("004.WAV", 500);
    writeList(";T\r\n004|Four|1000\r\n");
    dialogs->answers = {true, true};
    openFolder(folder());
    ASSERT_EQ(dialogs->confirmed.size(), 2u);
    EXPECT_EQ(dialogs->confirmed[0].caption, "Error loading message folder.");
    EXPECT_EQ(dialogs->confirmed[0].text, "Errors found: open the error log?");
    EXPECT_EQ(dialogs->confirmed[1].text, "Save the list with the corrections?");
    EXPECT_EQ(dialogs->viewed, std::vector<QString>{inFolder("error.log")});
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), ";T\r\n004|Four|1044\r\n");
}

TEST_F(CompilerWindow, AnUnreadableListLeavesTheFolderClosed)
{
    ASSERT_TRUE(QDir(folder()).mkdir("MSGLIST.TXT"));
    openFolder(folder());
    ASSERT_EQ(dialogs->informed.size(), 1u);
    EXPECT_EQ(dialogs->informed[0].caption, "Errore");
    EXPECT_TRUE(action("MsgFolder")->isEnabled());
    EXPECT_TRUE(QFileInfo(inFolder("MSGLIST.TXT")).isDir());
}

TEST_F(CompilerWindow, FindAndChangeDescription)
{
    openFolder(folder());
    action("FileFnd")->trigger();
    action("ChgFile")->trigger();
    ASSERT_EQ(dialogs->confirmed.size(), 2u);
    for (const auto& box : dialogs->confirmed) {
        EXPECT_EQ(box.caption, "Find file");
        EXPECT_EQ(box.text, "LIST IS EMPTY");
    }

    action("CloseFolder")->trigger();
    addWav("001.WAV", 1);
    addWav("010.WAV", 1);
    writeList(";T\r\n001|One|46\r\n010|Ten|46\r\n");
    openFolder(folder());
    dialogs->texts = {"9", "10"};
    action("FileFnd")->trigger();
    EXPECT_EQ(grid()->currentRow(), 1);

    dialogs->texts = {"Platform|ten"};
    action("ChgFile")->trigger();
    EXPECT_EQ(grid()->item(1, 1)->text(), "Platform ten");
    EXPECT_EQ(readFile(inFolder("MSGLIST.TXT")), ";T\r\n001|One|46\r\n010|Platform ten|46\r\n");

    dialogs->texts = {"New title"};
    action("ChgTitle")->trigger();
    EXPECT_EQ(title(), "New title");
    EXPECT_TRUE(readFile(inFolder("MSGLIST.TXT")).startsWith(";New title\r\n"));
}
