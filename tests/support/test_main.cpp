#include "LaptopScreen.h"

#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for every test program, so that widget and timer tests
// run in the same way as model tests.
int main(int argc, char** argv)
{
    q7582::test::useLaptopScreen();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
