// The Q7582 manager. Its settings, name lists, summer-time table and help files lie in
// the working directory (the site) under relative names.

#include "app/CommandLine.h"
#include "program/SiteWindows.h"
#include "reports/ComparisonCommand.h"
#include "terminal/TerminalCommands.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // First: --help, --version, bad usage, --compare and the terminal commands run without a window.
    q7582::ManagerOptions options;
    if (const std::optional<int> exitCode = q7582::readManagerCommandLine(argc, argv, options))
        return *exitCode;
    if (!options.compareFiles.isEmpty()) {
        const q7582::ComparisonCommandOutput compared =
            q7582::runComparisonCommand(options.compareFiles[0], options.compareFiles[1]);
        q7582::printAnswer({compared.exitCode, compared.out, compared.err});
        return compared.exitCode;
    }
    if (!options.command.isEmpty())
        return q7582::runTerminalCommand(argc, argv, options);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qs7582"));
    QApplication::setApplicationVersion(QStringLiteral(Q7582_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.q7582.Manager")); // the desktop's name for the window
    return q7582::runSiteWindows(app, options);
}
