#include "app/CommandLine.h"
#include "FileFixture.h"
#include "ProgramRun.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace q7582;
using namespace q7582::test;

namespace {

CommandLineAnswer manager(const QStringList& options, ManagerOptions& parsed)
{
    QCoreApplication::setApplicationName(QStringLiteral("qs7582"));
    QCoreApplication::setApplicationVersion(QStringLiteral(Q7582_VERSION));
    return parseManagerCommandLine(QStringList{QStringLiteral("qs7582")} + options, parsed);
}

ProgramRun runInEmptyFolder(const QString& program, const QStringList& arguments)
{
    QTemporaryDir dir;
    return runInFolder(dir.path(), program, arguments);
}

} // namespace

TEST(CommandLine, ManagerAnswersHelpVersionAndBadUsage)
{
    ManagerOptions parsed;
    EXPECT_FALSE(manager({}, parsed).exitCode);
    EXPECT_FALSE(parsed.verbose);
    EXPECT_FALSE(manager({"--verbose"}, parsed).exitCode);
    EXPECT_TRUE(parsed.verbose);

    // Qt's own options pass on to QApplication, as they always did.
    CommandLineAnswer answer = manager({"-style", "Fusion", "-platform", "offscreen", "-reverse"}, parsed);
    EXPECT_FALSE(answer.exitCode) << answer.err.toStdString();

    answer = manager({"--version"}, parsed);
    EXPECT_EQ(answer.exitCode, 0);
    EXPECT_EQ(answer.out, QStringLiteral("qs7582 " Q7582_VERSION "\n"));

    for (const char* help : {"--help", "-h", "--help-all"}) {
        answer = manager({help}, parsed);
        EXPECT_EQ(answer.exitCode, 0) << help;
        EXPECT_TRUE(answer.out.contains("--verbose") && answer.out.contains("Q7582_PORT")
                    && answer.out.contains("download FILE"));
        EXPECT_TRUE(answer.err.isEmpty());
    }

    EXPECT_FALSE(manager({"--compare", "old.cfi", "new.cfi"}, parsed).exitCode);
    EXPECT_EQ(parsed.compareFiles, (QStringList{"old.cfi", "new.cfi"}));
    answer = manager({"download", "site.cfi", "--master", "2", "--force", "--wait", "60"}, parsed);
    EXPECT_FALSE(answer.exitCode) << answer.err.toStdString();
    EXPECT_TRUE(parsed.command == "download" && parsed.file == "site.cfi" && parsed.master == 2 && parsed.force
                && parsed.waitSeconds == 60);
    answer = manager({"upload", "-o", "copy.cfi"}, parsed);
    EXPECT_TRUE(!answer.exitCode && parsed.command == "upload" && parsed.output == "copy.cfi");

    for (const QStringList& bad :
         {QStringList{"--bogus"}, QStringList{"file.cfi"}, QStringList{"--verbose=yes"},
          QStringList{"--compare", "old.cfi"}, QStringList{"--compare", "a", "b", "c"}, QStringList{"upload", "x"},
          QStringList{"download"}, QStringList{"download", "a", "b"}, QStringList{"status", "-o", "x"},
          QStringList{"upload", "--force"}, QStringList{"download", "a", "--master", "6"},
          QStringList{"history", "--wait", "-1"}, QStringList{"--wait", "5"}}) {
        answer = manager(bad, parsed);
        EXPECT_EQ(answer.exitCode, UsageExitCode) << bad.join(' ').toStdString();
        EXPECT_TRUE(answer.out.isEmpty());
        EXPECT_TRUE(answer.err.startsWith("qs7582: ") && answer.err.contains("Usage:")) << answer.err.toStdString();
    }
}

// The real programs: they answer without a display and leave the folder empty.
TEST(CommandLine, ProgramsAnswerWithoutAWindowAndWriteNothing)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("Q7582_SIM")) << "CTest names the simulator, beside the manager";
    for (const QString& name : {QStringLiteral("qs7582"), QStringLiteral("qs7582-sim")}) {
        SCOPED_TRACE(name.toStdString());
        const ProgramRun version = runInEmptyFolder(name, {"--version"});
        const ProgramRun help = runInEmptyFolder(name, {"--help"});
        const ProgramRun bad = runInEmptyFolder(name, {"--no-such-option"});
        EXPECT_EQ(std::tuple(version.exitCode, help.exitCode, bad.exitCode), std::tuple(0, 0, UsageExitCode));
        EXPECT_EQ(version.out, name + QStringLiteral(" " Q7582_VERSION "\n"));
        EXPECT_TRUE(help.out.contains("--version"));
        EXPECT_TRUE(bad.err.contains("no-such-option") && bad.err.contains("Usage:")) << bad.err.toStdString();
        EXPECT_TRUE(bad.out.isEmpty());
        for (const ProgramRun& run : {version, help, bad})
            EXPECT_EQ(run.filesLeft, QStringList());
    }
    const ProgramRun run = runInEmptyFolder(QStringLiteral("qs7582-sim"), {"--address", "9"});
    EXPECT_EQ(run.exitCode, UsageExitCode);
    EXPECT_TRUE(run.err.contains("--address wants a number 0..5")) << run.err.toStdString();
}

// A script can tell a backup from the master's configuration by the exit status alone.
using CompareCommand = FileFixture;

TEST_F(CompareCommand, ExitsZeroWhenTheSameOneWhenDifferentTwoOnABadFile)
{
    std::string image(32768, '\0');
    write("old.cfi", image);
    image[0] = 0x01; // unit 1, key 1 pages zone 1 of master 0
    write("new.cfi", image);
    write("short.cfi", image.substr(0, 100));
    const auto compare = [&](const char* from, const char* to) {
        return runInFolder(tmp.path(), "qs7582", {"--compare", from, to});
    };

    ProgramRun run = compare("old.cfi", "old.cfi");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("The two configurations are the same.")) << run.out.toStdString();

    run = compare("old.cfi", "new.cfi");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("From: old.cfi\nTo: new.cfi\n"));
    EXPECT_TRUE(run.out.contains("Unit (1), Key/input 1: Master 0 zones +1\n")) << run.out.toStdString();

    run = compare("old.cfi", "short.cfi");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "short.cfi: 100 bytes long, not 32768\n");
    EXPECT_TRUE(run.out.isEmpty());

    run = compare("missing.cfi", "old.cfi");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("missing.cfi: ")) << run.err.toStdString();
    EXPECT_EQ(run.filesLeft, (QStringList{"new.cfi", "old.cfi", "short.cfi"})); // nothing written

    // A name that is not UTF-8 reaches its file.
    run = runShellInFolder(tmp.path(), R"(bad=$(printf 'bad\377\376.cfi') && cp old.cfi "$bad" &&
                                          "$0" --compare "$bad" old.cfi; status=$?; rm "$bad"; exit $status)");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QString::fromUtf8("From: bad\uFFFD\uFFFD.cfi\n"))) << run.out.toStdString();
}
