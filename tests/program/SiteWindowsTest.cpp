// The window's run as the program makes it: a file named at start opens in the first
// window; an Upload another site keeps offers that site, and the switch starts a fresh
// window there, under its lock and with its name.

#include "program/SiteWindows.h"
#include "FileFixture.h"
#include "ScriptedDialogs.h"
#include "app/CommandLine.h"
#include "model/FileIo.h"
#include "model/FilePath.h"
#include "sites/KnownSites.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include <unistd.h>

namespace q7582 {
namespace {

using Program = FileFixture;

TEST_F(Program, AFileNamedAtStartOpensAndAnUploadAnotherSiteKeepsSwitchesToIt)
{
    ConfigImage image;
    image.messageEvent(1).setMessageNumber(9);
    const std::string bytes(reinterpret_cast<const char*>(image.data()), ConfigImage::Size);
    ASSERT_TRUE(QDir().mkpath(tmp.path() + "/a") && QDir().mkpath(tmp.path() + "/b/history"));
    write("a/x.cfi", bytes);
    write("b/site.txt", "Hotel Milano\r\n");
    write("b/history/2026-10-03_10.00.00_master-1_download.cfi", bytes);
    qputenv("Q7582_SITES_LIST", QFile::encodeName(tmp.path() + "/sites.txt"));
    ASSERT_TRUE(KnownSites().markUsed(tmp.path() + "/b").ok);
    ASSERT_EQ(::chdir(path("a").c_str()), 0);

    test::ScriptedDialogs dialogs;
    dialogs.yeses = 1; // open the site that keeps it
    QStringList seen;  // each window's title and caption, once its start is done
    bool lockedWhileOpen = false, timedOut = false;
    ManagerOptions options;
    options.windowFile = "x.cfi";
    SiteWindowHooks hooks{
        &dialogs, [&](MainWindow& window) {
            QTimer::singleShot(0, &window, [&] {
                seen << window.windowTitle() + " | " + window.findChild<QLabel*>("StatusBar1Panel3")->text();
                if (seen.size() == 1) {
                    emit window.uploadFinished();
                } else {
                    lockedWhileOpen = fileExists(path("b/QS7582.lock")) && !fileExists(path("a/QS7582.lock"));
                    window.close();
                }
            });
            QTimer::singleShot(10000, &window, [&] { timedOut = true, QApplication::quit(); });
        }};
    const int status = runSiteWindows(*qobject_cast<QApplication*>(QCoreApplication::instance()), options, hooks);
    ASSERT_EQ(::chdir("/"), 0);
    qunsetenv("Q7582_SITES_LIST");

    EXPECT_TRUE(status == 0 && !timedOut);
    EXPECT_EQ(seen, QStringList({"a - Q7582 Manager | Configuration from File",
                                 "Hotel Milano - Q7582 Manager | DEFAULT Configuration of Master 0"}));
    EXPECT_EQ(dialogs.questions, QStringList{"This configuration is the one site Hotel Milano keeps for master 1, "
                                             "Download of 03/10/2026.\nOpen the site Hotel Milano?"});
    EXPECT_TRUE(lockedWhileOpen);
    EXPECT_FALSE(fileExists(path("b/QS7582.lock")));
    EXPECT_EQ(filePath(*KnownSites(tmp.path() + "/sites.txt").lastUsed()), path("b"));
}

} // namespace
} // namespace q7582
