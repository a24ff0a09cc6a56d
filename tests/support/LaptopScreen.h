#pragma once
// Off-screen programs (tests, benchmarks, screenshots) draw on a 1920 x 1080 screen as a
// laptop's: Qt's default off-screen screen, 800 x 600, would make the main window scroll.

#include <QByteArray>
#include <QtGlobal>

namespace q7582::test {

// Off-screen unless another platform is asked for explicitly. Before the application.
inline void useLaptopScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" Q7582_TEST_SCREENS);
}

} // namespace q7582::test
