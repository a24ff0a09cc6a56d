#include "program/SiteWindows.h"

#include "app/CommandLine.h"
#include "app/InterfaceLanguage.h"
#include "link/Chip.h"
#include "link/LinkShared.h"
#include "model/DefaultConfiguration.h"
#include "model/LegalFile.h"
#include "program/SecondaryWindows.h"
#include "sites/Fingerprints.h"
#include "sites/SiteFolder.h"
#include "sites/SiteSession.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramEnd.h"
#include "ui/main/WorkingFolderLock.h"
#include "ui/sites/SiteMenu.h"
#include "ui/sites/SiteOverview.h"
#include "ui/timeline/TimelineOpener.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace q7582 {

namespace {

const QString SiteTitle = QStringLiteral("Site");

// The default configuration of master 0 and the summer-time table.
void loadStartUpData(Workspace& workspace)
{
    buildDefaultConfiguration(workspace.config(), 0).applyTo(workspace.provenance());
    // Without a readable LEGAL.BIN the table stays empty (id 0) and the program runs on.
    (void)createLegalFileIfMissing();
    (void)loadLegalFile(workspace.legalFile());
}

struct WindowStart {
    QString file;   // qs7582 FILE.cfi, for the first window only
    QString notice; // what the start or the last switch found
};

void runWindow(QApplication& app, SiteSession& session, const SiteWindowHooks& hooks, const WindowStart& start)
{
    LinkShared shared;
    Workspace workspace;
    // The site's own choice, in force before any of its windows is built.
    useInterfaceLanguage(isItalian(readLanguageChoice(languageFileIn(workspace.settings().dir()))));
    MainWindow::Options windowOptions;
    windowOptions.dialogs = hooks.dialogs;
    MainWindow window(shared, workspace, std::move(windowOptions));
    DialogProvider& dialogs = window.dialogs();
    loadStartUpData(workspace);
    window.setSiteName(session.name());
    const SecondaryWindows secondary = createSecondaryWindows(window, workspace);
    routeProgramEnd(app, window);
    // Nobody is there to see another site: the program ends.
    QObject::connect(&window, &MainWindow::sessionEnding, &window, [&session] { session.cancelSwitch(); });

    // Asks what closing asks; a refusal (or another manager in that site) keeps this one.
    const auto switchTo = [&session, &window, &dialogs](const QString& folder) {
        if (const QString why = session.prepareSwitch(folder); !why.isEmpty())
            dialogs.warning(&window, SiteTitle, why);
        else if (!window.close() && !window.closingWhenTransferEnds())
            session.cancelSwitch();
    };
    auto* overview = new SiteOverview(workspace, window.reportViewer(), dialogs,
                                      {[&window] { return window.connectedMasterAddress(); },
                                       [&window](const QString& path) { window.openConfigurationFile(path); }},
                                      &window);
    overview->setWindowModality(Qt::WindowModal);
    new SiteMenu(window.menuBar(), session, dialogs, &window,
                 {switchTo,
                  [overview] {
                      overview->reload();
                      overview->exec();
                  },
                  &QDesktopServices::openUrl});
    // The configuration read is one another site keeps: that site may be the one meant.
    QObject::connect(&window, &MainWindow::uploadFinished, &window, [&] {
        const std::vector<FingerprintMatch> found =
            findInSites(workspace.config(), session.known().list(), session.folder());
        if (!found.empty()
            && dialogs.yesNo(
                &window, QStringLiteral("Upload"),
                recognitionText(found.front())
                    + QCoreApplication::translate("SiteWindows", ".\nOpen the site %1?").arg(found.front().siteName)))
            switchTo(found.front().siteFolder);
    });

    // Centred on the desktop when it first shows.
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    // qs7582 FILE.cfi: opened once the window is up, so that a refusal stands over it.
    QTimer::singleShot(0, &window, [&window, &dialogs, &start, &secondary] {
        if (!start.notice.isEmpty())
            dialogs.message(&window, SiteTitle, start.notice, QMessageBox::Information);
        if (start.file.endsWith(QLatin1String(RecordingSuffix)))
            secondary.timeline->open(start.file);
        else if (!start.file.isEmpty())
            window.openConfigurationFile(start.file);
    });
    // The link starts after the first all-zero display has been up for 500 ms.
    QTimer::singleShot(500, &window, [&window] { window.startLink(makeChipFromEnvironment()); });
    if (hooks.shown)
        hooks.shown(window);
    app.exec();
}

} // namespace

int runSiteWindows(QApplication& app, const ManagerOptions& options, const SiteWindowHooks& hooks)
{
    useInterfaceLanguage(isItalian(LanguageChoice::Automatic)); // until a site is entered
    QtDialogProvider realDialogs;
    DialogProvider& dialogs = hooks.dialogs ? *hooks.dialogs : realDialogs;
    KnownSites known;
    SiteSession session(known);
    const StartSite chosen = chooseStartSite(options.lastSite, known);
    // A file named relative to where the program started, whichever site it opens in.
    const bool relative = !options.windowFile.isEmpty() && !options.windowFile.startsWith(u'/');
    WindowStart start{relative ? session.folder() + u'/' + options.windowFile : options.windowFile, chosen.notice};
    QString folder = chosen.folder;
    if (chosen.askName) {
        folder = askNewSite(dialogs, nullptr, sitesHome());
        if (folder.isEmpty())
            return 0; // no site wanted: nothing is made anywhere
    }
    if (!folder.isEmpty()) {
        if (const QString why = session.enter(folder); !why.isEmpty()) {
            dialogs.error(nullptr, why);
            return UsageExitCode;
        }
    }
    // Before any file of the site is read or written.
    std::unique_ptr<QLockFile> lock = lockWorkingFolder(dialogs, QStringLiteral("."));
    if (!lock)
        return 1;
    session.opened();
    for (;;) {
        runWindow(app, session, hooks, start);
        if (!session.switching())
            return 0;
        start = {QString(), session.switchNow(lock)};
        if (!lock) {
            dialogs.error(nullptr, start.notice);
            return 1;
        }
    }
}

} // namespace q7582
