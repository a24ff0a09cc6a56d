// The commands without a window against the simulator, as a script runs them: no
// display, the simulator's link in Q7582_PORT, the exit status and the words.

#include "ByteNamedFolder.h"
#include "EventWait.h"
#include "FileFixture.h"
#include "ProgramRun.h"
#include "ScriptedDialogs.h"
#include "SimHarness.h"
#include "app/WorkingFolderLock.h"
#include "model/ConfigImage.h"
#include "recorder/RecordingReader.h"
#include "ui/main/MainWindow.h"
#include "ui/reports/ReportViewer.h"

#include <QAction>
#include <QRegularExpression>
#include <QTextEdit>
#include <csignal>
#include <gtest/gtest.h>

namespace q7582::test {
namespace {

class TerminalCommands : public FileFixture {
protected:
    void SetUp() override { ASSERT_TRUE(sim.waitReady()) << sim.problem(); }
    ProgramRun run(const QStringList& arguments) { return runInFolder(tmp.path(), "qs7582", arguments, port()); }
    // The simulator's port, and the known sites the fixture's: never the user's.
    QStringList port(const QString& link = {}) const
    {
        return {"Q7582_PORT=" + (link.isEmpty() ? QString::fromStdString(sim.link()) : link),
                "Q7582_SITES_LIST=" + tmp.filePath("sites.txt"), "XDG_CONFIG_HOME=" + tmp.filePath("config")};
    }
    // What upload, download and history say first: the site, the folder it runs in.
    QString heading() const
    {
        const QDir folder(tmp.path());
        return "Site " + folder.dirName() + ": " + folder.canonicalPath() + "\n";
    }
    std::string memory() const { return sim.dump("config.bin").toStdString(); }
    QStringList history() const { return QDir(tmp.filePath("history")).entryList(QDir::Files); }

    simtest::SimulatorProcess sim{{"--address", "1"}};
};

// Every status of the four commands, and nothing written but the history and the files
// they were given, also where names are not UTF-8.
TEST_F(TerminalCommands, EachCommandSaysHowItEndedInItsStatus)
{
    // On a terminal (script(1) gives it one) the blocks show as a bar.
    ProgramRun r = runInFolder(tmp.path(), "/usr/bin/script",
                               {"-qec", programPath("qs7582") + " upload -o copy.cfi", "/dev/null"}, port());
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
        QString out = {};             // how it starts
        QStringList environment = {}; // none: the simulator's port
    } cases[] = {
        {{"upload"}, 0, heading(), entry + "\n"}, // the same image: no second entry, and no bar on a pipe
        {{"download", "missing.cfi"}, 2, "missing.cfi: No such file or directory\n"},
        {{"upload", "-o", "nowhere/copy.cfi"}, 2, "nowhere/copy.cfi: no such folder\n"},
        {{"download", stale}, 3, heading() + refused},
        {{"download", stale, "--master", "1", "--force"}, 0, heading()},
        {{"status", "--wait", "1"}, 3, "No device found within 1 s.\n", "", port(tmp.filePath("none"))},
        {{"history"}, 0, heading()},
    };
    for (const auto& c : cases) {
        r = runInFolder(tmp.path(), "qs7582", c.arguments, c.environment.isEmpty() ? port() : c.environment);
        EXPECT_EQ(r.exitCode, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString());
        EXPECT_EQ(r.out.left(c.out.size()).toStdString(), c.out.toStdString());
    }
    // The download and the upload, newest first, and no partial one.
    const QStringList listed = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 2) << r.out.toStdString();
    EXPECT_TRUE(listed[0].endsWith("_master-1_download.cfi")) << r.out.toStdString();
    EXPECT_TRUE(listed[1].endsWith("_master-1_upload.cfi")) << r.out.toStdString();
    EXPECT_EQ(memory(), other);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{stale, "copy.cfi", "history"}));

    // A folder and a file whose names are not UTF-8 are reached by their bytes.
    const ByteNamedFolder site(tmp.path().toStdString() + "/site\xff");
    const auto runThere = [this](const QString& command) {
        return runShellInFolder(
            tmp.path(),
            R"sh(cd "$(printf 'site\377')" && exec "$0" )sh" + command + R"sh( "$(printf 'copy\376.cfi')")sh", port());
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
    EXPECT_EQ(std::tuple(r.exitCode, r.err), std::tuple(3, AlreadyRunningText + "\n"));
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
    window.findChild<QAction*>("Status1")->trigger();
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
        startInFolder(process, tmp.path(), "qs7582", {"download", "plan.cfi"}, port());
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
    startInFolder(process, tmp.path(), "qs7582", {"record", "-o", "r.q7582rec"}, port());
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

} // namespace
} // namespace q7582::test
