#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for every test program, so that widget and timer tests
// run in the same way as model tests.
int main(int argc, char** argv)
{
    // Headless unless a display is asked for explicitly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
