#include "MainWindowShots.h"

#include "EventWait.h"
#include "link/LinkShared.h"
#include "link/TtyChip.h"
#include "model/DefaultConfiguration.h"
#include "sites/SiteSession.h"
#include "ui/common/Workspace.h"
#include "ui/main/MainWindow.h"
#include "ui/sites/SiteMenu.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace q7582 {
namespace {

bool fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    return false;
}

} // namespace

bool saveMainWindow(const QString& path, bool generator, const QString& site)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return fail("cannot make a scratch folder", folder.errorString());
    const QString link = folder.filePath(QStringLiteral("link"));
    QProcess simulator;
    QStringList arguments{QStringLiteral("--link"),       link,
                          QStringLiteral("--seed"),       QStringLiteral("3"),
                          QStringLiteral("--quiet-life"), QStringLiteral("--print-ready")};
    if (generator)
        arguments << QStringLiteral("--generator");
    simulator.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qs7582-sim"), arguments);
    if (!simulator.waitForStarted() || !simulator.waitForReadyRead(5000))
        return fail("the simulator did not start", simulator.errorString());

    LinkShared shared;
    Workspace workspace(folder.path().toStdString());
    buildDefaultConfiguration(workspace.config(), 0).applyTo(workspace.provenance());
    MainWindow window(shared, workspace);
    window.captionRefresh();
    KnownSites known(folder.filePath(QStringLiteral("sites.txt")));
    SiteSession session(known);
    if (!site.isEmpty()) {
        window.setSiteName(site);
        new SiteMenu(window.menuBar(), session, window.dialogs(), &window, {});
    }
    window.show();
    window.startLink(std::make_unique<TtyChip>(link.toStdString()));
    const bool shown = test::spinUntil(
        [&] {
            return generator ? window.generatorModeEntered() : shared.connectionState == ConnectionState::Connected;
        },
        20000);
    test::serveEventsFor(3000); // a few status refreshes
    const bool saved = shown && window.grab().save(path);
    window.stopLink();
    simulator.terminate();
    simulator.waitForFinished(3000);
    if (!shown)
        return fail("the window did not find the simulated device for", path);
    return saved || fail("cannot write", path);
}

} // namespace q7582
