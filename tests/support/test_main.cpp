#include "LaptopScreen.h"
#include "virtualusb/Journal.h"

#include <QApplication>
#include <QThreadPool>
#include <cstdio>
#include <gtest/gtest.h>

// One QApplication for every test program, so that widget and timer tests
// run in the same way as model tests. A request the virtual FT232R refused, which a
// real chip would refuse too, fails the program even where every assertion held.
int main(int argc, char** argv)
{
    q7582::test::useLaptopScreen();
    qputenv("LANGUAGE", "en"); // the English texts are the reference, whatever the desktop's language
    QApplication app(argc, argv);
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
    // Qt Gui blends large paints in slices on Qt's pool, whose hand-overs between its own
    // threads are invisible to ThreadSanitizer in the uninstrumented libraries. One pool
    // thread keeps the slices in order; the program never uses the pool itself.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
#endif
#endif
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    const std::vector<std::string> faults = q7582::vusb::takeFaults();
    if (!faults.empty())
        std::fprintf(stderr, "FAILED: the virtual USB chip refused %zu request(s) of the PC's side (above)\n",
                     faults.size());
    return failed || !faults.empty();
}
