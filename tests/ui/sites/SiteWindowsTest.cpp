// The "Site" menu in the main window's menu bar and the overview of a site's masters.

#include "../main/WindowFixture.h"
#include "sites/SiteFolder.h"
#include "sites/SiteSession.h"
#include "ui/reports/ReportViewer.h"
#include "ui/sites/SiteMenu.h"
#include "ui/sites/SiteOverview.h"

#include <QDir>
#include <QMenuBar>
#include <QTableWidget>
#include <QTextEdit>

namespace q7582::test {
namespace {

TEST_F(WindowTest, TheSiteMenuKeepsTheOtherMenusAndTheirLettersAndListsTheRecentSites)
{
    KnownSites known(QString::fromStdString(path("sites.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("b") && known.markUsed(QString::fromStdString(path("gone"))).ok
                && known.markUsed(QString::fromStdString(path("b"))).ok);
    SiteSession session(known);
    QStringList switched;
    std::vector<QUrl> shownFolders;
    SiteMenu menu(window->menuBar(), session, dialogs, window.get(),
                  {[&](const QString& folder) { switched << folder; }, [] {},
                   [&](const QUrl& url) {
                       shownFolders.push_back(url);
                       return true;
                   }});
    QStringList bar;
    for (const QAction* a : window->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar.join(' '), "&Message &Config &Report &Site H&elp Language &Help E&xit");

    const auto item = [&](const QString& name) { return menu.menu()->findChild<QAction*>(name); };
    ASSERT_TRUE(item("RecentSite1") && item("RecentSite2") && !item("RecentSite3"));
    EXPECT_EQ(item("RecentSite1")->text() + ", " + item("RecentSite2")->text(), "&1 b, &2 gone (missing)");
    item("RecentSite1")->trigger();
    EXPECT_EQ(switched, QStringList{QString::fromStdString(path("b"))});
    dialogs.yeses = 1; // a missing one is offered for removal, not opened
    item("RecentSite2")->trigger();
    EXPECT_EQ(switched.size(), 1);
    menu.refill();
    EXPECT_TRUE(item("RecentSite1") && !item("RecentSite2"));
    item("OpenSiteFolder1")->trigger();
    ASSERT_EQ(shownFolders.size(), 1u);
    EXPECT_EQ(shownFolders[0].toLocalFile(), session.folder());

    // A name no site may have is asked again, saying why; the site is made under the parent.
    dialogs.answers = QStringList{"../up", ".hidden", "Hotel Milano"};
    EXPECT_EQ(askNewSite(dialogs, window.get(), dir.path() + "/home"), dir.path() + "/home/Hotel Milano");
    EXPECT_EQ(dialogs.askedPrompts.size(), 3);
    EXPECT_TRUE(dialogs.askedPrompts[2].endsWith(siteNameProblem(".hidden")));
    EXPECT_EQ(read("home/Hotel Milano/site.txt"), "Hotel Milano\r\n");
    EXPECT_TRUE(askNewSite(dialogs, window.get(), dir.path() + "/home").isEmpty()); // cancelled
}

TEST_F(WindowTest, TheOverviewShowsEachMastersNewestEntriesAndComparesOrOpensThem)
{
    ConfigImage uploaded, downloaded;
    uploaded.messageEvent(1).setMessageNumber(3);
    downloaded.messageEvent(1).setMessageNumber(4);
    ASSERT_TRUE(QDir(dir.path()).mkdir("history"));
    write("history/2026-01-01_08.00.00_master-0_upload.cfi", bytesOf(uploaded));
    write("history/2026-01-02_08.00.00_master-0_download.cfi", bytesOf(downloaded));
    write("history/2026-01-03_09.30.00_master-4_download-partial.cfi", bytesOf(downloaded));
    QStringList opened;
    SiteOverview overview(*workspace, window->reportViewer(), dialogs,
                          {[] { return std::optional(4); }, [&](const QString& path) { opened << path; }});
    overview.reload();
    auto* table = overview.findChild<QTableWidget*>("OverviewList");
    ASSERT_EQ(table->rowCount(), 6);
    QStringList rows;
    for (int r : {0, 1, 4}) {
        QStringList cells;
        for (int c = 0; c < 5; ++c)
            cells << table->item(r, c)->text();
        rows << cells.join('|');
    }
    EXPECT_EQ(rows, QStringList({"0|01/01/2026 08:00:00|02/01/2026 08:00:00|1|", "1|-|-|-|",
                                 "4|-|03/01/2026 09:30:00 (partial)|-|connected"}));
    EXPECT_FALSE(overview.findChild<QAbstractButton*>("OverviewOpen")->isEnabled());
    table->selectRow(0);
    overview.findChild<QAbstractButton*>("OverviewCompare")->click();
    const QString shown = window->reportViewer().richEdit()->toPlainText();
    EXPECT_TRUE(shown.contains("From: 2026-01-01_08.00.00_master-0_upload.cfi\nTo: 2026-01-02_08.00.00_master-0_"
                               "download.cfi\n"))
        << shown.toStdString();
    overview.findChild<QAbstractButton*>("OverviewOpen")->click(); // the newer of the two
    EXPECT_EQ(opened, QStringList{QString::fromStdString(path("history/2026-01-02_08.00.00_master-0_download.cfi"))});
    table->selectRow(4); // one entry: compared with memory
    overview.findChild<QAbstractButton*>("OverviewCompare")->click();
    EXPECT_TRUE(window->reportViewer().richEdit()->toPlainText().contains("To: default configuration of master 0"));
}

} // namespace
} // namespace q7582::test
