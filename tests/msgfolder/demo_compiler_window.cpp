// Not a check: with Q7582_DEMO_SECONDS set (and QT_QPA_PLATFORM=xcb), shows the compiler
// window on a sample card for that long, for screenshots and for trying it by hand.

#include "FakeDialogs.h"
#include "MessageFolderFixture.h"

#include "msgfolder/SDIMAIN.h"

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

    const char* const lines[] = {"001|Good morning, welcome aboard|", "002|Train departing platform 2|",
                                 "005|Please mind the gap|",          "010|Last call for boarding|",
                                 "012|Station closing in ten minutes|", "127|Evacuation message|"};
    QByteArray list = ";Central station announcements\r\n";
    int samples = 4000;
    for (const char* line : lines) {
        const QString number = QString::fromLatin1(line, 3);
        addWav(number + ".WAV", samples);
        list += line + QByteArray::number(44 + 2 * samples) + "\r\n";
        samples += 1500;
    }
    writeList(list);

    auto fake = std::make_unique<test::FakeDialogs>();
    fake->folders = {folder()};
    TSDIAppForm window(std::move(fake));
    window.findChild<QAction*>("MsgFolder")->trigger();
    window.move(20, 20);
    window.show();
    QTimer::singleShot(seconds * 1000, &window, &QWidget::close);
    while (window.isVisible())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
