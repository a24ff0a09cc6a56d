#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for every test program, so that widget and timer tests
// run in the same way as model tests.
int main(int argc, char** argv)
{
    // Headless unless a display is asked for explicitly, on a 1920 x 1080 screen as a
    // laptop's (the default offscreen screen, 800 x 600, is too small for the main window).
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" Q7582_TEST_SCREENS);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
