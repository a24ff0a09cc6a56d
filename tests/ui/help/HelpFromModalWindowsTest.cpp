// Help asked from the running editor, compiler and history window of a whole main
// window. Here rather than with the main window's tests, which also run under
// ThreadSanitizer: showing the editor fills areas large enough for Qt to hand the fill
// to its thread pool, whose hand-over the uninstrumented Qt hides from the checker.

#include "WindowFixture.h"
#include "program/SecondaryWindows.h"
#include "ui/config/ConfigEditor.h"
#include "ui/help/HelpWindow.h"
#include "ui/history/HistoryWindow.h"
#include "ui/msgfolder/MessageFolderWindow.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <tuple>

namespace q7582::test {
namespace {

using HelpFromModalWindows = WindowTest;

// Qt blocks every window but the running modal window's own; the help window is one of
// them while it runs and the main window's again after.
TEST_F(HelpFromModalWindows, StaysUsableWhileTheEditorTheCompilerOrTheHistoryRuns)
{
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    window->show();
    const std::function<void()> askHelp[] = {
        [&] { w.editor->findChild<QPushButton*>("BbKey")->click(); },
        [&] { w.compiler->findChild<QAction*>("HelpAct")->trigger(); },
        [&] { w.history->findChild<QAction*>("HelpKey")->trigger(); },
    };
    const char* items[] = {"Edit2", "Open2", "History1"};
    const char* topics[] = {"qrc:/help/it/2001.html", "qrc:/help/it/4000.html", "qrc:/help/it/history.html"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(items[i]);
        QTimer::singleShot(0, window.get(), [&, i] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_TRUE(modal == w.editor || modal == w.compiler || modal == w.history);
            askHelp[i]();
            const HelpWindow* help = window->helpOpener().window();
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(modal->windowHandle()->isAncestorOf(help->windowHandle(), QWindow::IncludeTransients));
            modal->close();
        });
        trigger(items[i]);
        const HelpWindow* help = window->helpOpener().window();
        EXPECT_EQ(help->parentWidget(), window.get());
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->browser()->source().toString(), topics[i]);
    }
}

// A help button opens its topic; leaving it hands the keyboard focus to its window's home.
TEST_F(HelpFromModalWindows, HelpButtonsOpenTheirTopicAndGiveTheFocusBack)
{
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    const std::tuple<QWidget*, const char*, const char*, const char*> cases[] = {
        {window.get(), "BbSlave", "3006", "prBar1"},
        {w.editor, "BbKey", "2001", "MainPanel"},
        {w.history, "BbHistory", "history", "HistoryList"}};
    for (const auto& [owner, name, topic, home] : cases) {
        auto* button = owner->findChild<QAbstractButton*>(name);
        ASSERT_TRUE(button) << name;
        button->click();
        EXPECT_EQ(window->helpOpener().browser()->source().toString(), QString("qrc:/help/it/%1.html").arg(topic));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        EXPECT_EQ(owner->focusWidget(), owner->findChild<QWidget*>(home)) << name;
    }
}

} // namespace
} // namespace q7582::test
