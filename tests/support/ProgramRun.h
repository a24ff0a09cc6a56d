#pragma once
// Runs the programs the build made (qs7582, qs7582-sim, beside each other) in a folder,
// with no display at all, as from a text console, and keeps what they said.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace q7582::test {

struct ProgramRun {
    int exitCode = -1; // -1: it did not end normally in time
    QString out;
    QString err;
    QStringList filesLeft; // in the folder, afterwards
};

// CTest names the simulator; the manager is built beside it. A path is kept as it is.
inline QString programPath(const QString& name)
{
    return QFileInfo(qEnvironmentVariable("Q7582_SIM")).dir().filePath(name);
}

// Starts the program; environment entries "NAME=value" are added.
inline void startInFolder(QProcess& process, const QString& folder, const QString& program,
                          const QStringList& arguments, const QStringList& environment = {})
{
    process.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(programPath(program), arguments);
}

// Waits for a started program to end and takes what it said. An Upload takes 8 s at
// the device's pacing; a loaded machine under a sanitizer can take several times that.
inline ProgramRun finished(QProcess& process, const QString& folder, int timeoutMs = 60000)
{
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    run.filesLeft = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    return run;
}

inline ProgramRun runInFolder(const QString& folder, const QString& program, const QStringList& arguments,
                              const QStringList& environment = {})
{
    QProcess process;
    startInFolder(process, folder, program, arguments, environment);
    return finished(process, folder);
}

// Runs a shell command line in the folder, the manager as "$0": QProcess passes only
// UTF-8, and the shell makes a name of any bytes ("$(printf 'bad\377.cfi')").
inline ProgramRun runShellInFolder(const QString& folder, const QString& commandLine,
                                   const QStringList& environment = {})
{
    return runInFolder(folder, QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine, programPath("qs7582")},
                       environment);
}

} // namespace q7582::test
