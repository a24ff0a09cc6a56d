#include "ui/help/HelpWindow.h"
#include "WindowFixture.h"
#include "program/SecondaryWindows.h"
#include "ui/help/HelpOpener.h"
#include "ui/help/HelpPlacement.h"
#include "ui/history/HistoryWindow.h"
#include "ui/msgfolder/MessageFolderWindow.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

using namespace q7582;

namespace {

// A user's click, through the window system: Qt drops it when a modal window blocks the
// help window. Returns the topic shown after.
QString clickOn(HelpWindow* help, const char* name)
{
    auto* b = help->findChild<QPushButton*>(name);
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, b->mapTo(help, b->rect().center()));
    return help->browser()->source().toString();
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner->setGeometry(10, 10, 200, 150);
        owner->show();
    }

    std::string topic() const { return opener->browser()->source().toString().toStdString(); }
    QString click(const char* name) const { return clickOn(opener->window(), name); }

    bool italian = true;
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
    // No help file nor viewer: the built-in topics. Gone before its owner.
    const std::function<HelpOpener::Language()> language = [this] { return HelpOpener::Language{{}, italian}; };
    const HelpOpener::Platform noViewer{[] { return QString(); }, [](auto&, auto&) { return false; },
                                        [](auto&) { return false; }};
    std::unique_ptr<HelpOpener> opener = std::make_unique<HelpOpener>(language, noViewer, owner.get());
};

} // namespace

TEST(HelpPlacement, BesideOrOverItsCallerAndAlwaysWhollyOnScreen)
{
    using namespace helpPlacement;
    const QRect screen(0, 0, 1920, 1040);    // 1920 x 1080 less a panel
    const QRect second(1920, 0, 1280, 1000); // a second screen to the right: its own edges count, not zero
    const QSize help(560, 510);
    const std::tuple<QRect, QRect, QPoint> besides[] = {
        {QRect(100, 50, 850, 680), screen, {958, 50}},     // room on the right: beside it, top edges level
        {QRect(1000, 50, 850, 680), screen, {432, 50}},    // else on the left
        {QRect(200, 600, 1600, 700), screen, {1240, 530}}, // else over its right part
        {QRect(2600, 100, 500, 400), second, {2600 - Gap - 560, 100}}};
    for (const auto& [anchor, on, at] : besides)
        EXPECT_EQ(beside(help, anchor, on), QRect(at, help)) << anchor.x();
    // Over a modal caller, inside its top right corner with its title bar in sight; back on
    // screen at the screen's corner.
    EXPECT_EQ(over(help, QRect(300, 200, 850, 450), screen), QRect(QPoint(1149 - 32 - 559, 232), help));
    EXPECT_EQ(over(help, QRect(1700, 900, 600, 400), screen), QRect(QPoint(1360, 530), help));
    // A window larger than the screen is cut to it; one above or left of it comes back.
    EXPECT_EQ(onScreen(QRect(-50, -20, 2400, 1200), screen), screen);
    EXPECT_EQ(onScreen(QRect(-50, -20, 100, 100), screen), QRect(0, 0, 100, 100));
}

// Beside its owner first, its topic in the language in force; where the user left it after.
TEST_F(HelpWindowTest, OpensBesideItsOwnerInTheLanguageInForceAndStaysWhereLeft)
{
    opener->open(HelpContext::ZonePanel);
    HelpWindow* help = opener->window();
    EXPECT_GT(help->frameGeometry().left(), owner->frameGeometry().right());
    EXPECT_EQ(topic(), "qrc:/help/it/3006.html");
    // Back and Forward wait for a link followed: Tab picks the first ("the main window"), Enter follows it.
    const auto enabled = [&] {
        return std::pair(help->findChild<QPushButton*>("HelpBack")->isEnabled(),
                         help->findChild<QPushButton*>("HelpForward")->isEnabled());
    };
    EXPECT_EQ(enabled(), std::pair(false, false));
    QTest::keyClick(opener->browser(), Qt::Key_Tab);
    QTest::keyClick(opener->browser(), Qt::Key_Return);
    EXPECT_EQ(std::pair(topic(), enabled()), std::pair(std::string("qrc:/help/it/3000.html"), std::pair(true, false)));
    EXPECT_EQ(click("HelpBack"), "qrc:/help/it/3006.html");
    EXPECT_EQ(click("HelpForward"), "qrc:/help/it/3000.html");
    EXPECT_EQ(enabled(), std::pair(true, false));

    // Moved and closed, it opens where the user left it; English chosen, in English.
    help->move(300, 40);
    help->close();
    italian = false;
    opener->open(HelpContext::MasterPanel);
    EXPECT_EQ(help->pos(), QPoint(300, 40));
    EXPECT_EQ(click("HelpContents"), "qrc:/help/en/1000.html");
}

TEST_F(HelpWindowTest, NeverDeletedWithAModalWindowAndDeletedWithItsOpener)
{
    auto* dialog = new QDialog(owner.get());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    opener->open(HelpContext::ConfigEditor);
    QPointer<HelpWindow> help = opener->window();
    delete dialog; // while the help window is its child
    ASSERT_TRUE(help);
    EXPECT_EQ(help->parentWidget(), owner.get());
    EXPECT_TRUE(help->isVisible());

    // A modal window over another: closing the upper one hands it to the one beneath.
    QDialog other(owner.get());
    QDialog upper(&other);
    for (QDialog* d : {&other, &upper}) {
        d->setWindowModality(Qt::ApplicationModal);
        d->show();
    }
    opener->open(HelpContext::ConfigEditor);
    upper.hide();
    EXPECT_EQ(help->parentWidget(), &other);
    EXPECT_TRUE(help->isVisible());

    // The opener takes its window along, even one lent to a modal window.
    opener.reset();
    EXPECT_FALSE(help);
    other.hide();
}

// Help asked from the running editor, compiler and history window of a whole main
// window. Here rather than with the main window's tests, which also run under
// ThreadSanitizer: showing the editor fills areas large enough for Qt to hand the fill
// to its thread pool, whose hand-over the uninstrumented Qt hides from the checker.
using HelpFromModalWindows = test::WindowTest;

// Qt blocks every window but the running modal window's own; the help window is one of
// them while it runs, over it, and the main window's again after. A user's click
// through the window system reaches it both times.
TEST_F(HelpFromModalWindows, StaysUsableWhileTheEditorTheCompilerOrTheHistoryRuns)
{
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    window->show();
    const auto shownAfterClicking = [this](const char* name) { return clickOn(window->helpOpener().window(), name); };
    const std::tuple<const char*, std::function<void()>, const char*> cases[] = {
        {"Edit2", [&] { w.editor->findChild<QAbstractButton*>("BbKey")->click(); }, "2001"},
        {"Open2", [&] { w.compiler->findChild<QAction*>("HelpAct")->trigger(); }, "4000"},
        {"History1", [&] { w.history->findChild<QAction*>("HelpKey")->trigger(); }, "history"},
    };
    for (const auto& [item, askHelp, topic] : cases) {
        SCOPED_TRACE(item);
        const test::InModal inside([&](QWidget* modal) {
            ASSERT_TRUE(modal == w.editor || modal == w.compiler || modal == w.history);
            askHelp();
            const HelpWindow* help = window->helpOpener().window();
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(modal->windowHandle()->isAncestorOf(help->windowHandle(), QWindow::IncludeTransients));
            EXPECT_TRUE(help->frameGeometry().intersects(modal->frameGeometry())
                        && help->screen()->availableGeometry().contains(help->frameGeometry()));
            EXPECT_EQ(shownAfterClicking("HelpContents"), "qrc:/help/it/1000.html");
            EXPECT_EQ(shownAfterClicking("HelpBack"), QString("qrc:/help/it/%1.html").arg(topic));
        });
        trigger(item);
        EXPECT_EQ(shownAfterClicking("HelpContents"), "qrc:/help/it/1000.html");
    }
}

// A help button opens its topic; leaving it hands the keyboard focus to its window's home.
// F1 opens the topic of the compiler.
TEST_F(HelpFromModalWindows, HelpButtonsAndF1OpenTheirTopicAndGiveTheFocusBack)
{
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    const std::tuple<QWidget*, const char*, const char*, const char*> buttons[] = {
        {window.get(), "BbSlave", "3006", "prBar1"}, {w.history, "BbHistory", "history", "HistoryList"}};
    for (const auto& [owner, name, topic, home] : buttons) {
        auto* button = owner->findChild<QAbstractButton*>(name);
        ASSERT_TRUE(button) << name;
        button->click();
        EXPECT_EQ(window->helpOpener().browser()->source().toString(), QString("qrc:/help/it/%1.html").arg(topic));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        EXPECT_EQ(owner->focusWidget(), owner->findChild<QWidget*>(home)) << name;
    }
    w.compiler->show();
    w.compiler->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.compiler));
    QTest::keyClick(w.compiler, Qt::Key_F1);
    EXPECT_EQ(window->helpOpener().browser()->source().toString(), "qrc:/help/it/4000.html");
}
