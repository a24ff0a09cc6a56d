// Sites from a terminal: two simulated masters at the same address stand for the same
// master of two installations, each with its own folder. The known sites, HOME and the
// configuration folder are the fixture's, never the user's.

#include "ByteNamedFolder.h"
#include "FileFixture.h"
#include "ProgramRun.h"
#include "SimHarness.h"
#include "sites/SiteFolder.h"

#include <QDate>
#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace q7582::test {
namespace {

class SiteCommands : public FileFixture {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
    // The simulator the command reaches; none: a link that is not there.
    ProgramRun run(const QStringList& arguments, const simtest::SimulatorProcess* sim = nullptr) const
    {
        return runInFolder(tmp.path(), "qs7582", arguments, environment(sim));
    }
    ProgramRun runShell(const QString& commandLine) const
    {
        return runShellInFolder(tmp.path(), commandLine, environment(nullptr));
    }
    QStringList environment(const simtest::SimulatorProcess* sim) const
    {
        return {"Q7582_SITES_LIST=" + tmp.filePath("sites.txt"), "HOME=" + tmp.filePath("home"),
                "XDG_CONFIG_HOME=" + tmp.filePath("home/.config"),
                "Q7582_PORT=" + (sim ? QString::fromStdString(sim->link()) : tmp.filePath("none"))};
    }
    QString site(const QString& name) const
    {
        const NewSite made = createSite(tmp.path(), name);
        EXPECT_TRUE(made.result.ok) << made.result.error;
        return QDir(made.folder).canonicalPath();
    }
    static QStringList historyOf(const QString& folder)
    {
        return QDir(folder + "/history").entryList(QDir::Files, QDir::Name | QDir::Reversed);
    }
};

// The central case: master 1 of site B must not get site A's configuration without
// --force; once it has it, B's Upload names A; a dry run says what a Download would change.
TEST_F(SiteCommands, AnotherSitesConfigurationIsRefusedRecognisedAndCompared)
{
    simtest::SimulatorProcess simA{{"--address", "1"}}, simB{{"--address", "1"}};
    ASSERT_TRUE(simA.waitReady()) << simA.problem();
    ASSERT_TRUE(simB.waitReady()) << simB.problem();
    const QString a = site("Hotel A"), b = site("Hotel B");
    const std::string factory = simB.dump("config.bin").toStdString();
    std::string plan = factory;
    plan[0] = char(plan[0] ^ 1);
    write("plan.cfi", plan);
    write("factory.cfi", factory);

    ProgramRun r = run({"-C", "Hotel A", "download", "../plan.cfi"}, &simA);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("Site Hotel A: " + a + "\n")) << r.err.toStdString();
    ASSERT_EQ(historyOf(a).size(), 1);
    const QString entryOfA = "../Hotel A/history/" + historyOf(a).first();

    const QString refused = "Site Hotel B: " + b
                            + "\nThis configuration belongs to site Hotel A (master 1); the open site is Hotel B. "
                              "Nothing was written: --force downloads it anyway.\n";
    r = run({"-C", "Hotel B", "download", entryOfA}, &simB);
    EXPECT_EQ(std::tuple(r.exitCode, r.err.toStdString()), std::tuple(3, refused.toStdString()));
    EXPECT_EQ(simB.dump("config.bin").toStdString(), factory);
    EXPECT_TRUE(historyOf(b).isEmpty());

    r = run({"-C", "Hotel B", "download", entryOfA, "--dry-run", "--master", "1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("The history holds nothing of master 1.")) << r.err.toStdString();

    r = run({"-C", "Hotel B", "download", entryOfA, "--force"}, &simB);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(simB.dump("config.bin").toStdString(), plan);
    r = run({"-C", "Hotel B", "upload"}, &simB);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString today = QDate::currentDate().toString("dd/MM/yyyy");

    // B's master 1 holds the plan (its newest entry, the Upload); nothing is written by a dry run.
    const QStringList before = QDir(b).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QStringList historyBefore = historyOf(b);
    const struct {
        QStringList arguments;
        const simtest::SimulatorProcess* sim;
        int status;
        QString out; // how it starts
        QString err; // after the site's line
    } cases[] = {
        {{entryOfA, "--master", "1"},
         nullptr,
         0,
         "The master already holds this configuration\n",
         "This configuration belongs to site Hotel A (master 1); the open site is Hotel B. A Download would need "
         "--force.\n"},
        {{"../factory.cfi", "--master", "1"},
         nullptr,
         1,
         "Download: 1 difference from what master 1 holds (its Upload of " + today + ")\n",
         ""},
        {{"../factory.cfi"}, &simB, 1, "Download: 1 difference from what master 1 holds", ""},
        {{"../factory.cfi", "--master", "2"},
         nullptr,
         2,
         "",
         "The history holds nothing of master 2.\nWhat master 2 holds is unknown: read it first (qs7582 upload "
         "with it connected).\n"},
    };
    for (const auto& c : cases) {
        r = run(QStringList{"-C", "Hotel B", "download", "--dry-run"} + c.arguments, c.sim);
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + "\n" + r.err.toStdString());
        EXPECT_EQ(r.exitCode, c.status);
        EXPECT_EQ(r.out.left(c.out.size()).toStdString(), c.out.toStdString());
        EXPECT_EQ(r.err.section('\n', 1).toStdString(), c.err.toStdString());
        if (c.status == 1) {
            EXPECT_TRUE(r.out.contains("Configuration comparison\nFrom: history/" + historyBefore.first()));
        }
    }
    EXPECT_EQ(QDir(b).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(historyOf(b), historyBefore);
    EXPECT_EQ(simB.dump("config.bin").toStdString(), plan);
}

// `sites` lists what is known, also what is no longer a folder; -C refuses what is no
// folder before anything is touched, and a folder used with it becomes known.
TEST_F(SiteCommands, SitesListsTheKnownSitesAndMinusCRefusesWhatIsNoFolder)
{
    const QString a = site("Hotel A");
    ASSERT_TRUE(QDir(a).mkdir("history"));
    write("Hotel A/history/2026-10-03_09.15.02_master-1_download.cfi", std::string(32768, '\0'));
    write("Hotel A/history/2026-09-01_08.00.00_master-0_upload.cfi", std::string(32768, '\0'));
    write("a file", "x");
    ASSERT_EQ(::mkfifo(path("a fifo").c_str(), 0600), 0);
    write("sites.txt", (tmp.filePath("gone") + "\n" + tmp.filePath("a fifo") + "\nnot absolute\n").toStdString());

    for (const QString bad : {"missing", "a file", "a fifo"}) {
        const ProgramRun r = run({"-C", bad, "history"});
        EXPECT_EQ(r.exitCode, 2) << bad.toStdString();
        EXPECT_TRUE(r.err.startsWith("qs7582: cannot work in the site folder " + bad + ": ")) << r.err.toStdString();
    }
    ProgramRun r = run({"-C", "Hotel A", "history"});
    EXPECT_EQ(std::tuple(r.exitCode, r.out.count('\n')), std::tuple(0, 2)) << r.err.toStdString();
    const ByteNamedFolder odd(dir() + "/site\xff");
    r = runShell(R"sh(exec "$0" -C "$(printf 'site\377')" history)sh");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(read("sites.txt").substr(0, dir().size() + 7), dir() + "/site\xff\n");

    r = run({"sites"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("site") && lines[0].endsWith("  no history")) << r.out.toStdString();
    EXPECT_TRUE(lines[1].startsWith("Hotel A"));
    EXPECT_TRUE(lines[1].endsWith("masters 0, 1  newest 03/10/2026 09:15.02 master 1 Download"));
    EXPECT_TRUE(lines[2].startsWith("gone") && lines[2].endsWith("missing"));
    EXPECT_TRUE(lines[3].startsWith("a fifo") && lines[3].endsWith("a FIFO, not a folder"));
}

} // namespace
} // namespace q7582::test
