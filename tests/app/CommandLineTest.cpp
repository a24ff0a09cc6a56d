#include "app/CommandLine.h"
#include "FileFixture.h"
#include "ProgramRun.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

using namespace q7582;
using namespace q7582::test;

// The real programs, run in a fixture's folder: they answer without a display and leave
// the folder empty. A script can tell a backup from the master's configuration by the
// exit status of --compare alone; a name that is not UTF-8 reaches its file.
using Programs = FileFixture;

TEST_F(Programs, AnswerWithoutAWindowWriteNothingCompareByExitStatusAndTheManagerParsesItsCommandLine)
{
    for (const QString& name : {QStringLiteral("qs7582"), QStringLiteral("qs7582-sim")}) {
        SCOPED_TRACE(name.toStdString());
        const ProgramRun version = runInFolder(tmp.path(), name, {"--version"});
        const ProgramRun help = runInFolder(tmp.path(), name, {"--help"});
        const ProgramRun bad = runInFolder(tmp.path(), name, {"--no-such-option"});
        EXPECT_EQ(std::tuple(version.exitCode, help.exitCode, bad.exitCode), std::tuple(0, 0, UsageExitCode));
        EXPECT_EQ(std::tuple(version.out, bad.out),
                  std::tuple(name + QStringLiteral(" " Q7582_VERSION "\n"), QString()));
        EXPECT_TRUE(help.out.contains("--version"));
        for (const char* told : {"no-such-option", "Usage:"})
            EXPECT_TRUE(bad.err.contains(told)) << bad.err.toStdString();
    }
    // The manager's usage in the environment's language, Qt's own words too.
    const ProgramRun italian = runInFolder(tmp.path(), "qs7582", {"download"}, {"LANGUAGE=it"});
    EXPECT_EQ(std::tuple(italian.exitCode, italian.err.startsWith("qs7582: download vuole un FILE\n\nUtilizzo: "),
                         italian.err.contains("\nMostra e cambia lo stato")),
              std::tuple(UsageExitCode, true, true))
        << italian.err.toStdString();
    ProgramRun run = runInFolder(tmp.path(), "qs7582-sim", {"--address", "9"});
    EXPECT_EQ(run.exitCode, UsageExitCode);
    EXPECT_TRUE(run.err.contains("--address wants a number 0..5")) << run.err.toStdString();

    // --compare: 0 when the same, 1 when different, 2 on a bad file.
    std::string image(32768, '\0');
    write("old.cfi", image);
    write("bad\xff\xfe.cfi", image);
    image[0] = 0x01; // unit 1, key 1 pages zone 1 of master 0
    write("new.cfi", image);
    write("short.cfi", image.substr(0, 100));
    const struct {
        QString from, to;
        int status;
        std::string out, err = {};
    } cases[] = {
        {R"sh("$(printf 'bad\377\376.cfi')")sh", "old.cfi", 0,
         "Configuration comparison\nFrom: bad\uFFFD\uFFFD.cfi\nTo: old.cfi\n\nThe two configurations are the same.\n"},
        {"old.cfi", "new.cfi", 1,
         "Configuration comparison\nFrom: old.cfi\nTo: new.cfi\n\nUnits\nUnit (1), Key/input 1: Master 0 zones +1\n\n1 "
         "difference\n"},
        {"old.cfi", "short.cfi", 2, "", "short.cfi: 100 bytes long, not 32768\n"},
    };
    for (const auto& c : cases) {
        run = runShellInFolder(tmp.path(), "exec \"$0\" --compare " + c.from + " " + c.to);
        EXPECT_EQ(run.exitCode, c.status) << c.to.toStdString();
        EXPECT_EQ(std::tuple(run.out.toStdString(), run.err.toStdString()), std::tuple(c.out, c.err));
    }
    // Nothing written by any run here (Qt lists no name that is not UTF-8).
    EXPECT_EQ(run.filesLeft, (QStringList{"new.cfi", "old.cfi", "short.cfi"}));
    std::remove(path("bad\xff\xfe.cfi").c_str()); // the folder's removal reaches it by a UTF-8 name only

    // The manager takes Qt's options and answers help and bad usage.
    QCoreApplication::setApplicationName(QStringLiteral("qs7582"));
    const auto manager = [](const QStringList& options, ManagerOptions& parsed) {
        return parseManagerCommandLine(QStringList{QStringLiteral("qs7582")} + options, parsed);
    };
    // What a line that is good usage sets, as "exit", "verbose", "command", "file", "last site",
    // "output" and "for" (ms); the exit code, if any, and its error.
    const auto setBy = [&](const QString& line) {
        ManagerOptions o;
        const CommandLineAnswer a = manager(line.split(' ', Qt::SkipEmptyParts), o);
        const QString exit = a.exitCode ? QString::number(*a.exitCode) + a.err : QString();
        const QString forMs = o.recordForMs ? QString::number(*o.recordForMs) : QString();
        return QStringList{
            exit, o.verbose ? "verbose" : "", o.command, o.windowFile, o.lastSite ? "last site" : "", o.output, forMs}
            .join('|');
    };
    // Qt's own options pass on to QApplication, as they always did. A lone .cfi or .q7582rec
    // name, or a path, is the file the window opens; a command word stays a command.
    const std::pair<const char*, const char*> good[] = {
        {"", "||||||"},
        {"--verbose", "|verbose|||||"},
        {"-style Fusion -platform offscreen -reverse", "||||||"},
        {"site/B1.cfi", "|||site/B1.cfi|||"},
        {"OLD.CFI", "|||OLD.CFI|||"},
        {"./upload", "|||./upload|||"},
        {"night.q7582rec", "|||night.q7582rec|||"},
        {"status", "||status||||"},
        {"--last-site a.cfi", "|||a.cfi|last site||"}, // the desktop file's Exec line
        {"record -o r.q7582rec --for 90", "||record|||r.q7582rec|90000"},
        {"record -o r.q7582rec --for 1h30m", "||record|||r.q7582rec|5400000"},
        {"record -o r.q7582rec --for 2d", "||record|||r.q7582rec|172800000"},
    };
    for (const auto& [line, options] : good)
        EXPECT_EQ(setBy(line), options) << line;

    ManagerOptions parsed;
    CommandLineAnswer answer;
    for (const char* help : {"--help", "-h", "--help-all"}) {
        answer = manager({help}, parsed);
        EXPECT_EQ(std::tuple(answer.exitCode, answer.err), std::tuple(0, QString())) << help;
        for (const char* told : {"--verbose", "Q7582_PORT", "download FILE"})
            EXPECT_TRUE(answer.out.contains(told)) << help << ": " << told;
    }

    // Each of these is bad usage.
    const QString bads =
        QStringLiteral("--bogus|uplaod|a.cfi b.cfi|file.cfi --wait 3|--verbose=yes|--compare old.cfi|"
                       "--compare a b c|upload x|download|download a b|status -o x|upload --force|"
                       "download a --master 6|history --wait -1|--wait 5|upload --dry-run|--dry-run|sites x|"
                       "history -C|--last-site -C x|--last-site upload|record x|record --for 0|record --for 5x|"
                       "record --for 1m1h|status --for 1s");
    for (const QString& bad : bads.split('|')) {
        answer = manager(bad.split(' '), parsed);
        EXPECT_EQ(std::tuple(answer.exitCode, answer.out), std::tuple(UsageExitCode, QString())) << bad.toStdString();
        EXPECT_TRUE(answer.err.startsWith("qs7582: ")) << answer.err.toStdString();
        EXPECT_TRUE(answer.err.contains("Usage:")) << answer.err.toStdString();
    }
}

// -C enters each folder from the one before, as git -C does; a folder it cannot enter
// is bad usage with the reason, and the command runs nowhere half-way.
using SiteFolders = FileFixture;

TEST_F(SiteFolders, MinusCEntersEachFolderInTurnOrStaysWhereItWas)
{
    QCoreApplication::setApplicationName(QStringLiteral("qs7582"));
    const QString start = QDir::currentPath();
    ASSERT_TRUE(QDir(tmp.path()).mkpath("a/b"));
    const QString inner = QDir(tmp.filePath("a/b")).canonicalPath();
    ManagerOptions options;
    options.siteFolders = {tmp.filePath("a"), "b"};
    const CommandLineAnswer entered = enterSiteFolders(options);
    EXPECT_FALSE(entered.exitCode) << entered.err.toStdString();
    EXPECT_EQ(std::tuple(QDir::currentPath(), options.siteFolder), std::tuple(inner, inner));
    // There, a lone word that names a file is the window's file, whatever its name.
    QFile(inner + "/plan").open(QIODevice::WriteOnly);
    ManagerOptions opened;
    EXPECT_FALSE(parseManagerCommandLine({"qs7582", "plan"}, opened).exitCode);
    EXPECT_EQ(std::pair(opened.windowFile, opened.command), std::pair(QString("plan"), QString()));

    options = {};
    options.siteFolders = {"..", "nowhere"};
    const CommandLineAnswer refused = enterSiteFolders(options);
    EXPECT_EQ(refused.exitCode, UsageExitCode);
    EXPECT_EQ(refused.err.toStdString(), "qs7582: cannot work in the site folder nowhere: No such file or directory\n");
    EXPECT_EQ(std::tuple(QDir::currentPath(), options.siteFolder), std::tuple(inner, QString()));
    QDir::setCurrent(start);
}
