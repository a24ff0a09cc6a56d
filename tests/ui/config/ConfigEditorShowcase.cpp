// Not a check: shows the editor on the default image for a screenshot.
//   Xvfb :95 &
//   DISPLAY=:95 EDITOR_PAGE=4 build/bin/test_ui_config --gtest_also_run_disabled_tests --gtest_filter='*Showcase*' &
//   import -window root docs/editor-timers.png

#include "EditorFixture.h"

#include <QEventLoop>
#include <QTimer>

namespace q7582 {
namespace {

using EditorShowcase = EditorFixture;

TEST_F(EditorShowcase, DISABLED_ShowsTheEditorForAScreenshot)
{
    image.key(0, 0).setMessageNumber(12);
    image.timer(1).setMessageEvent(0, 3);
    image.timer(1).setFlags(0x80 | 0x10 | 0x02);
    image.timer(1).setRepeatDays(0x15);
    form->prepareShow();
    page(qEnvironmentVariableIntValue("EDITOR_PAGE"));
    form->show();
    QEventLoop loop;
    QTimer::singleShot(8000, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace
} // namespace q7582
