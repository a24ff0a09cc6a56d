// The Q7582 manager. Its settings, name lists, summer-time table and help files lie in
// the working directory under relative names.

#include "app/CommandLine.h"
#include "link/Chip.h"
#include "link/LinkShared.h"
#include "model/DefaultConfiguration.h"
#include "model/LegalFile.h"
#include "program/SecondaryWindows.h"
#include "reports/ComparisonCommand.h"
#include "terminal/TerminalCommands.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramEnd.h"
#include "ui/main/WorkingFolderLock.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {

// The default configuration of master 0 and the summer-time table.
void loadStartUpData(q7582::Workspace& workspace)
{
    using namespace q7582;
    buildDefaultConfiguration(workspace.config(), 0).applyTo(workspace.provenance());
    // Without a readable LEGAL.BIN the table stays empty (id 0) and the program runs on.
    (void)createLegalFileIfMissing();
    (void)loadLegalFile(workspace.legalFile());
}

} // namespace

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

    // Before any file of the folder is read or written.
    const auto folderLock = q7582::lockWorkingFolder();
    if (!folderLock)
        return 1;

    q7582::LinkShared shared;
    q7582::Workspace workspace;
    q7582::MainWindow window(shared, workspace);
    loadStartUpData(workspace);
    window.captionRefresh();
    q7582::createSecondaryWindows(window, workspace);
    q7582::routeProgramEnd(app, window);

    // Centred on the desktop when it first shows.
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    // qs7582 FILE.cfi: opened once the window is up, so that a refusal stands over it.
    if (!options.windowFile.isEmpty())
        QTimer::singleShot(0, &window, [&window, &options] { window.openConfigurationFile(options.windowFile); });

    // The link starts after the first all-zero display has been up for 500 ms.
    QTimer::singleShot(500, &window, [&window] { window.startLink(q7582::makeChipFromEnvironment()); });
    return app.exec();
}
