// The window's run as the program makes it: a file named at start opens in the first
// window; an Upload another site keeps offers that site, and the switch starts a fresh
// window there, under its lock and with its name. The "Site" menu and the overview.

#include "program/SiteWindows.h"
#include "../ui/main/WindowFixture.h"
#include "ItalianWalk.h"
#include "app/CommandLine.h"
#include "model/FileIo.h"
#include "sites/SiteSession.h"
#include "ui/reports/ReportViewer.h"
#include "ui/sites/SiteMenu.h"
#include "ui/sites/SiteOverview.h"

#include <QMenuBar>
#include <QTableWidget>
#include <QTextEdit>

#include <unistd.h>

namespace q7582 {
namespace {

using Program = FileFixture;
using test::WindowTest;

TEST_F(Program, AFileNamedAtStartOpensAndAnUploadAnotherSiteKeepsSwitchesToIt)
{
    const std::string bytes(ConfigImage::Size, '\5');
    ASSERT_TRUE(QDir().mkpath(tmp.path() + "/a") && QDir().mkpath(tmp.path() + "/b/history"));
    write("a/x.cfi", bytes);
    write("b/site.txt", "Hotel Milano\r\n");
    write("b/history/2026-10-03_10.00.00_master-1_download.cfi", bytes);
    qputenv("Q7582_SITES_LIST", QFile::encodeName(tmp.path() + "/sites.txt"));
    ASSERT_TRUE(KnownSites().markUsed(tmp.path() + "/b").ok && ::chdir(path("a").c_str()) == 0);

    test::ScriptedDialogs dialogs;
    dialogs.yeses = 1; // open the site that keeps it
    QStringList seen;  // each window's title and caption once its start is done, and the locks
    ManagerOptions options;
    options.windowFile = "x.cfi";
    const SiteWindowHooks hooks{&dialogs, [&](MainWindow& window) {
                                    QTimer::singleShot(0, &window, [&] {
                                        seen << window.windowTitle() + " | "
                                                    + test::child<QLabel>(window, "StatusBar1Panel3")->text();
                                        if (seen.size() > 1)
                                            seen << QString::number(fileExists(path("a/QS7582.lock")))
                                                        + QString::number(fileExists(path("b/QS7582.lock")));
                                        seen.size() == 1 ? emit window.uploadFinished() : (void)window.close();
                                    });
                                    QTimer::singleShot(10000, &window, [&] { seen << "timed out", qApp->quit(); });
                                }};
    EXPECT_EQ(runSiteWindows(*qobject_cast<QApplication*>(qApp), options, hooks), 0);
    qunsetenv("Q7582_SITES_LIST");
    ASSERT_EQ(::chdir("/"), 0);
    EXPECT_EQ(seen, QStringList({"a - Q7582 Manager | Configuration from File",
                                 "Hotel Milano - Q7582 Manager | DEFAULT Configuration of Master 0", "01"}));
    EXPECT_EQ(dialogs.questions, QStringList{"This configuration is the one site Hotel Milano keeps for master 1, "
                                             "Download of 03/10/2026.\nOpen the site Hotel Milano?"});
    EXPECT_EQ(KnownSites(tmp.path() + "/sites.txt").lastUsed(), tmp.path() + "/b");
}

// A recording named at start goes to the timeline, which refuses a file that is none.
TEST_F(Program, ARecordingNamedAtStartOpensInTheTimeline)
{
    write("r.q7582rec", "not a recording");
    qputenv("Q7582_SITES_LIST", QFile::encodeName(tmp.path() + "/sites.txt"));
    ASSERT_EQ(::chdir(dir().c_str()), 0);
    test::ScriptedDialogs dialogs;
    ManagerOptions options;
    options.windowFile = "r.q7582rec";
    const SiteWindowHooks hooks{&dialogs,
                                [](MainWindow& window) { QTimer::singleShot(0, &window, [&] { window.close(); }); }};
    EXPECT_EQ(runSiteWindows(*qobject_cast<QApplication*>(qApp), options, hooks), 0);
    qunsetenv("Q7582_SITES_LIST");
    ASSERT_EQ(::chdir("/"), 0);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_TRUE(dialogs.warnings[0].second.endsWith("/r.q7582rec is not a recording"))
        << dialogs.warnings[0].second.toStdString();
}

TEST_F(WindowTest, TheSiteMenuKeepsTheOtherMenusAndTheirLettersAndListsTheRecentSites)
{
    KnownSites known(tmp.path() + "/sites.txt");
    ASSERT_TRUE(QDir(tmp.path()).mkdir("b") && known.markUsed(tmp.path() + "/gone").ok
                && known.markUsed(tmp.path() + "/b").ok);
    SiteSession session(known);
    QStringList switched, shown;
    SiteMenu menu(window->menuBar(), session, dialogs, window.get(),
                  {[&](const QString& folder) { switched << folder; }, [] {},
                   [&](const QUrl& url) { return shown << url.toLocalFile(), true; }});
    for (const QAction* a : window->menuBar()->actions())
        shown << a->text();
    EXPECT_EQ(shown.join(' '), "&Message &Config &Report &Site H&elp Language &Language / Lingua &Help Rec&ord E&xit");
    const auto item = [&](const QString& name) { return test::child<QAction>(*menu.menu(), name); };
    const auto has = [&](const QString& name) { return menu.menu()->findChild<QAction*>(name) != nullptr; };
    EXPECT_FALSE(has("RecentSite3"));
    EXPECT_EQ(item("RecentSite1")->text() + ", " + item("RecentSite2")->text(), "&1 b, &2 gone (missing)");
    item("RecentSite1")->trigger();
    dialogs.yeses = 1; // a missing one is offered for removal, not opened
    item("RecentSite2")->trigger();
    EXPECT_EQ(switched, QStringList{tmp.path() + "/b"});
    menu.refill();
    EXPECT_EQ(std::pair(has("RecentSite1"), has("RecentSite2")), std::pair(true, false));
    item("OpenSiteFolder1")->trigger();
    EXPECT_EQ(shown.last(), session.folder());
}

TEST_F(WindowTest, TheOverviewShowsEachMastersNewestEntriesAndComparesOrOpensThem)
{
    ConfigImage uploaded, downloaded;
    downloaded.messageEvent(1).setMessageNumber(4);
    ASSERT_TRUE(QDir(tmp.path()).mkdir("history"));
    write("history/2026-01-01_08.00.00_master-0_upload.cfi", bytesOf(uploaded));
    write("history/2026-01-02_08.00.00_master-0_download.cfi", bytesOf(downloaded));
    write("history/2026-01-03_09.30.00_master-4_download-partial.cfi", bytesOf(downloaded));
    QStringList opened, rows;
    SiteOverview overview(*workspace, window->reportViewer(), dialogs,
                          {[] { return std::optional(4); }, [&](const QString& path) { opened << path; }});
    overview.reload();
    auto* table = test::child<QTableWidget>(overview, "OverviewList");
    ASSERT_EQ(table->rowCount(), 6);
    for (int r : {0, 1, 4})
        for (int c = 0; c < 5; ++c)
            rows << table->item(r, c)->text();
    EXPECT_EQ(rows.join('|'), "0|01/01/2026 08:00:00|02/01/2026 08:00:00|1||1|-|-|-||4|-|03/01/2026 09:30:00 "
                              "(partial)|-|connected");
    const auto click = [&](const char* name) { test::child<QAbstractButton>(overview, name)->click(); };
    table->selectRow(0);
    click("OverviewCompare");
    EXPECT_TRUE(window->reportViewer().richEdit()->toPlainText().contains(
        "From: 2026-01-01_08.00.00_master-0_upload.cfi\nTo: 2026-01-02_08.00.00_master-0_download.cfi\n"));
    click("OverviewOpen"); // the newer of the two
    EXPECT_EQ(opened, QStringList{tmp.path() + "/history/2026-01-02_08.00.00_master-0_download.cfi"});
    test::expectShownInItalian([&] {
        return test::shownWindow(
            std::make_unique<SiteOverview>(*workspace, window->reportViewer(), dialogs, SiteOverview::Hooks{}));
    });
}

} // namespace
} // namespace q7582
