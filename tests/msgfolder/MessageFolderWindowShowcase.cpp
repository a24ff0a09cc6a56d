// Not a check: with Q7582_DEMO_SECONDS set (and QT_QPA_PLATFORM=xcb), shows the compiler
// window on a sample card for that long, for screenshots and for trying it by hand.

#include "ScriptedDialogs.h"
#include "MessageFolderFixture.h"

#include "msgfolder/MessageFolderWindow.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

using namespace q7582;
using q7582::test::MessageFolderTest;

TEST_F(MessageFolderTest, DemoShowsALoadedFolder)
{
    const int seconds = qEnvironmentVariableIntValue("Q7582_DEMO_SECONDS");
    if (seconds <= 0)
        GTEST_SKIP() << "set Q7582_DEMO_SECONDS to show the window";
    QByteArray list = ";Central station announcements\r\n";
    for (const char* line : {"001|Good morning, welcome aboard|", "005|Please mind the gap|", "127|Evacuation|"}) {
        addWav(QString::fromLatin1(line, 3) + ".WAV", 4000);
        list += line + QByteArray::number(44 + 2 * 4000) + "\r\n";
    }
    writeList(list);
    test::ScriptedDialogs dialogs;
    dialogs.answers = {folder()};
    MessageFolderWindow window(dialogs);
    window.findChild<QAction*>("MsgFolder")->trigger();
    window.show();
    QTimer::singleShot(seconds * 1000, &window, &QWidget::close);
    while (window.isVisible())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
