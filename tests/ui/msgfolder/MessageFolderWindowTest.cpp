#include "../../msgfolder/MessageFolderFixture.h"
#include "Child.h"
#include "ItalianWalk.h"
#include "ScriptedDialogs.h"

#include "ui/msgfolder/MessageFolderWindow.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>

using namespace q7582;

namespace {

class MessageFolderWindowTest : public q7582::test::MessageFolderTest {
protected:
    QAction* action(const char* name) { return test::child<QAction>(*window, name); }
    QTableWidget* grid() { return test::child<QTableWidget>(*window, "Lista"); }
    QString panel(const char* name) { return test::child<QLabel>(*window, name)->text(); }
    QString title() { return test::child<QLineEdit>(*window, "Edit2")->text(); }
    void openFolder(const QString& chosen)
    {
        dialogs.answers.push_back(chosen);
        action("MsgFolder")->trigger();
    }

    test::ScriptedDialogs dialogs;
    std::unique_ptr<MessageFolderWindow> window = std::make_unique<MessageFolderWindow>(dialogs);
};

} // namespace

TEST_F(MessageFolderWindowTest, StatesFollowOpenCloseAndExitAndTheBarsLookRightInEach)
{
    window->show();
    const QToolBar* bar = window->findChild<QToolBar*>();
    // The seven actions, enabled only while a folder is open but the first; each tool-bar
    // button follows its action, and each picture is lively (dark or coloured pixels) enabled
    // and has none of them disabled. The status bar still ends the window when the grid is hidden.
    const std::pair<const char*, bool> actions[] = {{"MsgFolder", false}, {"CloseFolder", true}, {"AddMsg", true},
                                                    {"DeleteMsg", true},  {"ChgTitle", true},    {"FileFnd", true},
                                                    {"ChgFile", true}};
    auto expectOpen = [&](bool open) {
        for (auto [name, whileOpen] : actions) {
            const QWidget* button = bar->widgetForAction(action(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_EQ(std::pair(action(name)->isEnabled(), button->isEnabled()),
                      std::pair(open == whileOpen, open == whileOpen))
                << name;
        }
        EXPECT_EQ(grid()->isHidden(), !open);
        EXPECT_EQ(panel("FolderPanel"), open ? "Message folder: " + folder() : QString("Message folder: not selected"));
        EXPECT_EQ(test::child<QStatusBar>(*window, "StatusBar")->geometry().bottom(), window->rect().bottom());
    };
    const auto livelyPixels = [this](const char* name, QIcon::Mode mode) {
        const QImage picture = action(name)->icon().pixmap(16, mode).toImage();
        int lively = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                lively += c.alpha() > 96 && (c.value() < 110 || c.hsvSaturation() > 110);
            }
        return lively;
    };
    for (auto [name, whileOpen] : actions) {
        EXPECT_GE(livelyPixels(name, QIcon::Normal), 12) << name;
        EXPECT_EQ(livelyPixels(name, QIcon::Disabled), 0) << name;
    }
    expectOpen(false);

    // The card's root: its MSGVELA is used, and a missing list is created even after Cancel.
    openFolder(tmp.path());
    EXPECT_EQ(std::tuple(list(), title()), std::tuple(";Unknown description\r\n", "Unknown description"));
    expectOpen(true);

    // Both Exits close the window; the folder is still open when it comes back.
    for (const char* exit : {"ExitAct", "Exit1"}) {
        window->show();
        action(exit)->trigger();
        EXPECT_FALSE(window->isVisible()) << exit;
    }
    window->show();
    expectOpen(true);

    // The Close button keeps its own hint through the state changes; hints go to the first panel.
    action("CloseFolder")->trigger();
    expectOpen(false);
    QWidget* closeButton = bar->widgetForAction(action("CloseFolder"));
    QStatusTipEvent closeHover(closeButton->statusTip());
    QCoreApplication::sendEvent(closeButton, &closeHover);
    EXPECT_EQ(panel("HintPanel"), "Close Message Folder");

    // Every hint, of a button, an action or any other control, fits its panel whole.
    QLabel* hints = test::child<QLabel>(*window, "HintPanel");
    for (const QObject* o : window->findChildren<QObject*>()) {
        QStatusTipEvent hover(o->property("statusTip").toString());
        QCoreApplication::sendEvent(window.get(), &hover);
        EXPECT_LE(hints->fontMetrics().horizontalAdvance(hints->text()), hints->contentsRect().width())
            << hints->text().toStdString();
    }
    test::expectShownInItalian([this] { return test::shownWindow(std::make_unique<MessageFolderWindow>(dialogs)); });
}

TEST_F(MessageFolderWindowTest, AddAsksForAFreeNumberInRangeAndDeleteRemovesTheFile)
{
    addWav("003.WAV", 1);
    addWav("010.WAV", 1);
    writeList(";Gates\r\n003|Three|46\r\n010|Ten|46\r\n");
    openFolder(folder());
    const QString source = tmp.filePath("new.wav");
    put("new.wav", test::wavBytes(3));
    dialogs.answers = {source, "3", "0", "128", " 5"};
    action("AddMsg")->trigger(); // asked four times, the prompt telling each answer's fault
    const QString prompt = "Enter a message number (1..127)\n";
    EXPECT_EQ(dialogs.askedPrompts.mid(1),
              (QStringList{prompt + "Message 003 is already in the list.", prompt + "0 is less than 1.",
                           prompt + "128 is more than 127."}));
    EXPECT_EQ(grid()->currentRow(), 1); // the new message, in number order

    dialogs.oks = {false, true};
    action("DeleteMsg")->trigger();
    EXPECT_TRUE(QFile::exists(inFolder("005.WAV")));
    action("DeleteMsg")->trigger();
    EXPECT_EQ(dialogs.okCancelAsked.back().second, "ARE YOU SURE ?\nMessage 005: new.wav (005.WAV)");
    EXPECT_EQ(dialogs.okCancelEnter.back(), EnterMeans::Cancel); // Enter never deletes
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
    EXPECT_EQ(dialogs.okCancelAsked[0].first + '|' + dialogs.okCancelAsked[1].second,
              "Error loading message folder.|Save the list with the corrections?");
    EXPECT_EQ(dialogs.okCancelEnter, (std::vector<EnterMeans>{EnterMeans::Ok, EnterMeans::Ok})); // Enter goes on
    EXPECT_EQ(dialogs.viewed, QStringList{inFolder("error.log")});
    EXPECT_EQ(list(), ";T\r\n004|Four|1044\r\n");

    // Declined, the file stays as it was; the next change saves the repaired list.
    action("CloseFolder")->trigger();
    writeList(";T\r\n004||1000\r\n");
    dialogs.oks = {false, false};
    openFolder(folder());
    EXPECT_EQ(list(), ";T\r\n004||1000\r\n");
    dialogs.answers = {QString(101, 'x'), QString(100, 'y')}; // asked again until the title fits
    action("ChgTitle")->trigger();
    EXPECT_EQ(dialogs.asked.back(), "T");
    EXPECT_EQ(list(), ";" + QByteArray(100, 'y') + "\r\n004|Unknown description|1044\r\n");
}

// An unreadable list leaves the folder closed; an empty one asks nothing.
TEST_F(MessageFolderWindowTest, UnreadableOrEmptyListFindAndChangeDescription)
{
    ASSERT_TRUE(QDir(folder()).mkdir("MSGLIST.TXT"));
    openFolder(folder());
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0].first, "Errore");
    EXPECT_TRUE(action("MsgFolder")->isEnabled());
    ASSERT_TRUE(QDir(folder()).rmdir("MSGLIST.TXT"));
    dialogs.warnings.clear();

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
    dialogs.answers = {"abc", "10"}; // not a number: reported, and the search ends
    action("FileFnd")->trigger();
    EXPECT_EQ(dialogs.warnings, (std::vector<test::ScriptedDialogs::Box>{
                                    {"Q7582 message folder compiler", "'abc' is not a valid integer value"}}));
    dialogs.answers = {"9", "10", QString(51, 'x'), QString(50, 'p')};
    action("FileFnd")->trigger(); // found: the description changed below is 10's
    action("ChgFile")->trigger(); // asked again until the description fits
    EXPECT_EQ(dialogs.asked.back(), "Ten");
    action("ChgFile")->trigger(); // Cancel keeps it
    EXPECT_EQ(list(), ";T\r\n001|One|46\r\n010|" + QByteArray(50, 'p') + "|46\r\n");
}
