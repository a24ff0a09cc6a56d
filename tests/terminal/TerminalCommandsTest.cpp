// The commands without a window against the simulator, as a script runs them: no
// display, the simulator's link in Q7582_PORT, the exit status and the words. Sites from
// a terminal: two simulated masters at the same address stand for the same master of two
// installations, each with its own folder. The known sites, HOME and the configuration
// folder are the fixture's, never the user's.

#include "ByteNamedFolder.h"
#include "Child.h"
#include "EventWait.h"
#include "FileFixture.h"
#include "ProgramRun.h"
#include "ScriptedDialogs.h"
#include "SimHarness.h"
#include "app/WorkingFolderLock.h"
#include "model/ConfigImage.h"
#include "recorder/RecordingReader.h"
#include "sites/SiteFolder.h"
#include "ui/main/MainWindow.h"
#include "ui/reports/ReportViewer.h"

#include <QAction>
#include <QDate>
#include <QRegularExpression>
#include <QTextEdit>
#include <csignal>

namespace q7582::test {
namespace {

// Runs the manager in the fixture's folder on the simulator's link (none: a link that is not there).
class Commands : public FileFixture {
protected:
    QStringList environment(const simtest::SimulatorProcess* sim) const
    {
        return {"Q7582_SITES_LIST=" + tmp.filePath("sites.txt"), "HOME=" + tmp.filePath("home"),
                "XDG_CONFIG_HOME=" + tmp.filePath("home/.config"),
                "Q7582_PORT=" + (sim ? QString::fromStdString(sim->link()) : tmp.filePath("none"))};
    }
    ProgramRun run(const QStringList& arguments, const simtest::SimulatorProcess* sim = nullptr) const
    {
        return runInFolder(tmp.path(), "qs7582", arguments, environment(sim));
    }
    ProgramRun runShell(const QString& commandLine, const simtest::SimulatorProcess* sim = nullptr) const
    {
        return runShellInFolder(tmp.path(), commandLine, environment(sim));
    }
};

class SiteCommands : public Commands {
protected:
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

    const QString ofA = "This configuration belongs to site Hotel A (master 1); the open site is Hotel B. ";
    const QString refused = "Site Hotel B: " + b + "\n" + ofA + "Nothing was written: --force downloads it anyway.\n";
    r = run({"-C", "Hotel B", "download", entryOfA}, &simB);
    EXPECT_EQ(std::tuple(r.exitCode, r.err.toStdString()), std::tuple(3, refused.toStdString()));
    EXPECT_EQ(std::pair(simB.dump("config.bin").toStdString(), historyOf(b)), std::pair(factory, QStringList()));

    // Nothing of master 1 in B's history (that text: Holdings.TheNewestCompleteEntryOfThatMasterIsWhatItHolds).
    r = run({"-C", "Hotel B", "download", entryOfA, "--dry-run", "--master", "1"});
    EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();

    r = run({"-C", "Hotel B", "download", entryOfA, "--force"}, &simB);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(simB.dump("config.bin").toStdString(), plan);
    r = run({"-C", "Hotel B", "upload"}, &simB);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString differs = "Download: 1 difference from what master 1 holds";
    const QString sinceUpload = differs + " (its Upload of " + QDate::currentDate().toString("dd/MM/yyyy") + ")\n";
    const QString held = "The master already holds this configuration\n";
    const QString unknown = "The history holds nothing of master 2.\nWhat master 2 holds is unknown: read it first";

    // B's master 1 holds the plan (its newest entry, the Upload); nothing is written by a dry run.
    const QStringList before = entries("Hotel B");
    const QStringList historyBefore = historyOf(b);
    const struct {
        QStringList arguments;
        const simtest::SimulatorProcess* sim;
        int status;
        QString out; // how it starts
        QString err; // after the site's line
    } cases[] = {
        {{entryOfA, "--master", "1"}, nullptr, 0, held, ofA + "A Download would need --force.\n"},
        {{"../factory.cfi", "--master", "1"}, nullptr, 1, sinceUpload, ""},
        {{"../factory.cfi"}, &simB, 1, differs, ""},
        {{"../factory.cfi", "--master", "2"}, nullptr, 2, "", unknown + " (qs7582 upload with it connected).\n"},
    };
    for (const auto& c : cases) {
        r = run(QStringList{"-C", "Hotel B", "download", "--dry-run"} + c.arguments, c.sim);
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + "\n" + r.err.toStdString());
        EXPECT_EQ(std::tuple(r.exitCode, r.out.left(c.out.size()).toStdString(), r.err.section('\n', 1).toStdString()),
                  std::tuple(c.status, c.out.toStdString(), c.err.toStdString()));
        if (c.status == 1) {
            EXPECT_TRUE(r.out.contains("Configuration comparison\nFrom: history/" + historyBefore.first()));
        }
    }
    EXPECT_EQ(std::tuple(entries("Hotel B"), historyOf(b), simB.dump("config.bin").toStdString()),
              std::tuple(before, historyBefore, plan));
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

class TerminalCommands : public Commands {
protected:
    void SetUp() override { ASSERT_TRUE(sim.waitReady()) << sim.problem(); }
    ProgramRun run(const QStringList& arguments) const { return Commands::run(arguments, &sim); }
    // What upload, download and history say first: the site, the folder it runs in.
    QString heading() const
    {
        const QDir folder(tmp.path());
        return "Site " + folder.dirName() + ": " + folder.canonicalPath() + "\n";
    }
    std::string memory() { return sim.dump("config.bin").toStdString(); }
    QStringList history() const { return QDir(tmp.filePath("history")).entryList(QDir::Files); }

    simtest::SimulatorProcess sim{{"--address", "1"}};
};

// Every status of the four commands, and nothing written but the history and the files
// they were given, also where names are not UTF-8.
TEST_F(TerminalCommands, EachCommandSaysHowItEndedInItsStatus)
{
    // On a terminal (script(1) gives it one) the blocks show as a bar.
    ProgramRun r = runInFolder(tmp.path(), "/usr/bin/script",
                               {"-qec", programPath("qs7582") + " upload -o copy.cfi", "/dev/null"}, environment(&sim));
    ASSERT_EQ(history().size(), 1) << r.out.toStdString();
    const QString entry = "history/" + history().first(); // named as the window names it
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("Upload [################################] 128/128 blocks\r\n" + entry + "\r\ncopy.cfi"))
        << r.out.toStdString();
    const QString stale = "2026-01-01_08.00.00_master-2_upload.cfi";
    std::string other = memory();
    other[0] = char(other[0] ^ 1);
    write(stale.toStdString(), other);
    const QString refused = QString("%1 was read from master 2; the connected master is 1. Nothing was written: "
                                    "--force downloads it anyway.\n")
                                .arg(stale);

    const struct {
        QStringList arguments;
        int status;
        QString err;
        QString out = {};                 // how it starts
        bool noDevice = false;            // else the simulator's port
        QString language = "LANGUAGE=en"; // the environment's, as command-line tools go
    } cases[] = {
        {{"upload"}, 0, heading(), entry + "\n"}, // the same image: no second entry, and no bar on a pipe
        {{"download", "missing.cfi"}, 2, "missing.cfi: No such file or directory\n"},
        {{"upload", "-o", "nowhere/copy.cfi"}, 2, "nowhere/copy.cfi: no such folder\n"},
        {{"download", stale}, 3, heading() + refused},
        {{"download", stale, "--master", "1", "--force"}, 0, heading()},
        {{"status", "--wait", "1"}, 3, "No device found within 1 s.\n", "", true},
        {{"status", "--wait", "1"}, 3, "Nessun dispositivo trovato entro 1 s.\n", "", true, "LANGUAGE=it:en"},
        {{"history"}, 0, heading()},
    };
    for (const auto& c : cases) {
        r = runInFolder(tmp.path(), "qs7582", c.arguments, environment(c.noDevice ? nullptr : &sim) << c.language);
        EXPECT_EQ(r.exitCode, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString());
        EXPECT_EQ(r.out.left(c.out.size()).toStdString(), c.out.toStdString());
    }
    // The download and the upload, newest first, and no partial one.
    const QStringList listed = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 2) << r.out.toStdString();
    EXPECT_TRUE(listed[0].endsWith("_master-1_download.cfi")) << r.out.toStdString();
    EXPECT_TRUE(listed[1].endsWith("_master-1_upload.cfi")) << r.out.toStdString();
    EXPECT_EQ(std::pair(memory(), entries()), std::pair(other, QStringList{stale, "copy.cfi", "history"}));

    // A folder and a file whose names are not UTF-8 are reached by their bytes.
    const ByteNamedFolder site(tmp.path().toStdString() + "/site\xff");
    const auto runThere = [this](const QString& command) {
        return runShell(
            R"sh(cd "$(printf 'site\377')" && exec "$0" )sh" + command + R"sh( "$(printf 'copy\376.cfi')")sh", &sim);
    };
    r = runThere("upload -o");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(read("site\xff/copy\xfe.cfi"), memory());
    // Read, the file goes on to the master's check.
    r = runThere("download --master 2");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.endsWith("\nThe connected master is 1, not 2: nothing was written.\n")) << r.err.toStdString();

    const auto window = tryLockWorkingFolder(tmp.path());
    r = run({"status"});
    EXPECT_EQ(std::tuple(r.exitCode, r.err), std::tuple(3, alreadyRunningText() + "\n"));
}

// The same text as "Report" > "Status" in the window, but for the time it was made.
TEST_F(TerminalCommands, StatusPrintsTheWindowsStatusReport)
{
    const ProgramRun printed = run({"status"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();

    LinkShared shared;
    Workspace workspace(dir()); // the command has ended and let go of the folder
    ScriptedDialogs dialogs;
    MainWindow window(shared, workspace, {.dialogs = &dialogs, .help = HelpOpener::systemPlatform(), .now = {}});
    window.startLink(std::make_unique<TtyChip>(sim.link()));
    ASSERT_TRUE(spinUntil([&] { return window.connectedMasterAddress().has_value(); }, 10000));
    child<QAction>(window, "Status1")->trigger();
    window.stopLink();
    const auto withoutTime = [](QString text) {
        return text.remove(QRegularExpression("Creation date-hour: [^\n]*")).trimmed().toStdString();
    };
    EXPECT_EQ(withoutTime(printed.out), withoutTime(window.reportViewer().richEdit()->toPlainText()));
}

// A Download lets a first SIGINT pass and is cut by a second, which it says; the
// history keeps what it was writing as partial.
TEST_F(TerminalCommands, ADownloadFinishesPastOneSignalAndIsCutByTwo)
{
    for (int interrupts : {1, 2}) {
        const std::string plan(ConfigImage::Size, char(0x40 + interrupts)); // its first block shows
        write("plan.cfi", plan);
        QProcess process;
        startInFolder(process, tmp.path(), "qs7582", {"download", "plan.cfi"}, environment(&sim));
        ASSERT_TRUE(spinUntil([&] { return memory()[0] == plan[0]; }, 20000)); // the first block arrived
        process.setReadChannel(QProcess::StandardError);
        ASSERT_TRUE(spinUntil([&] { return process.canReadLine(); }));
        EXPECT_EQ(process.readLine().toStdString(), heading().toStdString()); // before the first block
        for (int i = 0; i < interrupts; ++i) { // each once the last was taken: two pending signals are one
            ::kill(pid_t(process.processId()), SIGINT);
            ASSERT_TRUE(spinUntil([&] { return process.canReadLine(); }));
        }
        const ProgramRun r = finished(process, tmp.path());
        EXPECT_TRUE(r.err.startsWith("Interrupted: the Download finishes first; interrupt again to cut it.\n"));
        EXPECT_EQ(r.exitCode, interrupts - 1) << r.err.toStdString();
        EXPECT_EQ(memory() == plan, interrupts == 1);
        const QStringList kept = history().filter("_master-1_download-partial");
        EXPECT_EQ(kept.size(), interrupts - 1);
        if (interrupts == 2) {
            EXPECT_TRUE(r.err.contains(
                QRegularExpression("Download cut at block \\d+ of 128: the master holds a partial configuration.\n")));
            EXPECT_EQ(read("history/" + kept.value(0).toStdString()), plan);
        }
    }
}

// A recording goes on across an unplugging, whose gap it shows; kill -9 loses at most the last
// second, and the file opens. --for ends it with the count of reads.
TEST_F(TerminalCommands, RecordKeepsEveryReadAcrossAnUnpluggingAndSurvivesKillMinus9)
{
    QProcess process;
    startInFolder(process, tmp.path(), "qs7582", {"record", "-o", "r.q7582rec"}, environment(&sim));
    std::unique_ptr<RecordingReader> reader;
    QString error;
    const auto reads = [&] {
        if (!reader)
            reader = RecordingReader::open(tmp.filePath("r.q7582rec"), &error);
        return reader ? (reader->refresh(), reader->readCount()) : 0;
    };
    ASSERT_TRUE(spinUntil([&] { return reads() >= 10; }, 20000)) << error.toStdString();
    ASSERT_TRUE(sim.control("unplug 1")) << sim.problem();
    const std::int64_t before = reads();
    ASSERT_TRUE(sim.waitReady(5000)) << sim.problem();
    ASSERT_TRUE(spinUntil([&] { return reads() >= before + 10; }, 20000));
    const std::int64_t killedMs = tapNowMs();
    ::kill(pid_t(process.processId()), SIGKILL);
    EXPECT_EQ(finished(process, tmp.path()).exitCode, -1);
    reader.reset();
    reader = RecordingReader::open(tmp.filePath("r.q7582rec"), &error);
    ASSERT_TRUE(reader) << error.toStdString();
    EXPECT_GE(reader->span().lastMs, killedMs - 1000);
    std::vector<TapEvent> connection;
    std::int64_t unpluggedMs = 0, reconnectedMs = 0;
    for (const RecordedEvent& e : reader->events(0, killedMs)) {
        connection.push_back(e.kind);
        if (e.kind == TapEvent::Unplugged || e.kind == TapEvent::ConnectedMaster)
            (e.kind == TapEvent::Unplugged ? unpluggedMs : reconnectedMs) = e.ms;
    }
    using enum TapEvent;
    EXPECT_EQ(connection, (std::vector{IdSearch, ConnectedMaster, MasterAddress, Unplugged, IdSearch, ConnectedMaster,
                                       MasterAddress}));
    int inGap = 0;
    reader->forEachRead(unpluggedMs + 1, reconnectedMs - 1, [&](const RecordedRead&) { return ++inGap, true; });
    EXPECT_EQ(inGap, 0);
    EXPECT_EQ(reader->statusAt(reconnectedMs + 2000).master.masterAddress(), 1);

    const ProgramRun r = run({"record", "--for", "2s"});
    const QStringList made = QDir(tmp.filePath("recordings")).entryList(QDir::Files);
    ASSERT_EQ(made.size(), 1) << r.err.toStdString();
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(QRegularExpression("^recordings/" + made.first() + ": [1-9]\\d* reads\n$")))
        << r.out.toStdString();
    EXPECT_TRUE(RecordingReader::open(tmp.filePath("recordings/" + made.first()), &error)) << error.toStdString();
    EXPECT_EQ(run({"record", "-o", "r.q7582rec"}).exitCode, 2) << "an existing file is never overwritten";
}

// The simulator's scripted activity, as a recording keeps it: the desk microphone at address
// 3 drops off the bus and comes back, line 5 of the I/O card flickers.
TEST_F(TerminalCommands, ARecordingOfTheScriptedActivityShowsWhatTheSiteDid)
{
    simtest::SimulatorProcess busy({"--activity", "--seed", "3"});
    ASSERT_TRUE(busy.waitReady()) << busy.problem();
    ASSERT_TRUE(busy.control("life on")) << busy.problem();
    const ProgramRun r = Commands::run({"record", "-o", "busy.q7582rec", "--for", "4s"}, &busy);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QString error;
    const auto reader = RecordingReader::open(tmp.filePath("busy.q7582rec"), &error);
    ASSERT_TRUE(reader) << error.toStdString();
    std::vector<bool> microphone;
    int flickers = 0;
    std::optional<bool> line;
    StatusBlock s;
    reader->forEachRead(TapStream::MasterPage0, 0, reader->span().lastMs, [&](const RecordedRead& read) {
        std::copy(read.bytes.begin(), read.bytes.end(), s.page(0));
        if (microphone.empty() || microphone.back() != s.unitConnected(3))
            microphone.push_back(s.unitConnected(3));
        flickers += line && *line != s.inputActive(1, 5);
        line = s.inputActive(1, 5);
        return true;
    });
    EXPECT_EQ(microphone, (std::vector<bool>{false, true})) << "dropped off at start, back after 2 s";
    EXPECT_GE(flickers, 3);
}

} // namespace
} // namespace q7582::test
