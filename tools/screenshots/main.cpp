// Writes the documentation's screenshots: the main window on a simulated master and on a
// simulated message generator, the configuration editor, the message folder compiler, an
// I/O card report, a configuration comparison, the help window, a site's window and its
// overview, the timeline of a recording and its commissioning record, into OUTPUT_FOLDER
// (default: docs):
//     qs7582-screenshots [--scale 200 | --italian] [OUTPUT_FOLDER]
// Everything is drawn off-screen, all but the main window on fixed sample data, so that
// every run gives the same pictures. With --scale 200 it draws the main window and the
// editor as a 1920 x 1080 screen at 200 % shows them; with --italian, the main window, the
// editor and the report in Italian.

#include "EventWait.h"
#include "LaptopScreen.h"
#include "MainWindowShots.h"
#include "ScriptedDialogs.h"
#include "TimelineShot.h"
#include "app/InterfaceLanguage.h"
#include "model/DefaultConfiguration.h"
#include "reports/ConfigurationComparison.h"
#include "reports/ConfigurationReports.h"
#include "ui/common/Workspace.h"
#include "ui/config/ConfigEditor.h"
#include "ui/help/HelpOpener.h"
#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/reports/ReportViewer.h"
#include "ui/sites/SiteOverview.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace q7582 {
namespace {

bool saveGrab(QWidget& window, const QString& path)
{
    window.show();
    // Long enough for the editor's modified panel, which follows every 500 ms.
    test::serveEventsFor(600);
    // Drawn as an inactive window is: no focus frame on the current control.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The Units page, and the Timer events page on an enabled weekly periodic timer with
// two messages and an output event. Its empty start is repaired to a fixed "now".
bool saveEditorPages(const QString& outputFolder, const QString& suffix)
{
    Workspace workspace;
    ConfigImage& image = workspace.config();
    buildDefaultConfiguration(image, 0);
    image.key(0, 0).setMessageNumber(12);
    image.key(0, 0).setOutputEvent(OutputEventCode::ResetMaster);
    const TimerEventRecord timer = image.timer(1);
    timer.setMessageEvent(0, 3);
    timer.setMessageEvent(1, 17);
    timer.setOutputEvent(5);
    timer.setEnabled(true);
    timer.setTransition(1); // rising edge
    timer.setPriority(2);
    timer.setRepeatDays(0x15); // Monday, Wednesday, Friday
    timer.setPeriodSeconds(900);
    test::ScriptedDialogs dialogs;
    ReportViewer viewer(dialogs);
    ConfigEditor editor(workspace, viewer, dialogs);
    editor.setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(7, 30, 0)); });
    editor.prepareShow();
    auto* pages = editor.findChild<QTabWidget*>(QStringLiteral("Page"));
    pages->setCurrentIndex(0);
    const bool units = saveGrab(editor, outputFolder + QStringLiteral("/editor-units%1.png").arg(suffix));
    if (suffix == QLatin1String("-200"))
        return units;
    pages->setCurrentIndex(4);
    return saveGrab(editor, outputFolder + QStringLiteral("/editor-timers%1.png").arg(suffix)) && units;
}

// A sample card in a fixed temporary folder, so that the status bar names the same path.
QString writeSampleCard()
{
    QDir card(QDir::temp().filePath(QStringLiteral("qs7582-sample-card")));
    card.removeRecursively();
    card.mkpath(QStringLiteral("MSGVELA"));
    QByteArray list = ";Central station announcements\r\n";
    const char* entries[] = {
        "001|Good morning, welcome aboard|", "002|Train departing platform 2|",     "005|Please mind the gap|",
        "010|Last call for boarding|",       "012|Station closing in ten minutes|", "127|Evacuation message|"};
    const QByteArray wav(44 + 2 * 4000, '\0'); // the size is all the list checks
    for (const char* entry : entries) {
        QFile file(card.filePath(QStringLiteral("MSGVELA/") + QString::fromLatin1(entry, 3) + ".WAV"));
        if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size())
            return {};
        list += entry + QByteArray::number(wav.size()) + "\r\n";
    }
    QFile listFile(card.filePath(QStringLiteral("MSGVELA/MSGLIST.TXT")));
    if (!listFile.open(QIODevice::WriteOnly) || listFile.write(list) != list.size())
        return {};
    return card.filePath(QStringLiteral("MSGVELA"));
}

bool saveMessageFolder(const QString& outputFolder)
{
    const QString folder = writeSampleCard();
    if (folder.isEmpty()) {
        std::fprintf(stderr, "cannot write the sample card under %s\n", qPrintable(QDir::tempPath()));
        return false;
    }
    test::ScriptedDialogs dialogs;
    dialogs.answers = {folder};
    MessageFolderWindow window(dialogs);
    window.findChild<QAction*>(QStringLiteral("MsgFolder"))->trigger();
    return saveGrab(window, outputFolder + QStringLiteral("/msgfolder.png"));
}

// Last visit's file against what the master holds now: a few changes of each kind.
bool saveComparison(const QString& outputFolder)
{
    ConfigImage lastVisit, now;
    (void)buildDefaultConfiguration(lastVisit, 0);
    now = lastVisit;
    NameTables names;
    names.units[7] = "Desk lobby";
    now.key(7, 3).zones().set(0, 12);
    now.key(7, 3).zones().set(0, 13);
    now.key(7, 3).zones().clear(0, 4);
    now.key(7, 3).setOutputEvent(5);
    now.messageEvent(17).setMessageNumber(42);
    now.vox(2).setVoxPriority(4);
    now.ioLineAttribute(1, 2) = 0x12; // rising edge, priority 2
    const TimerEventRecord timer = now.timer(3);
    timer.setStartTime({2026, 12, 7, 8, 0, 0, 1});
    timer.setRepeatDays(0x1F); // Monday to Friday
    timer.setMessageEvent(0, 17);
    timer.setPriority(2);
    timer.setEnabled(true);
    now.bytes[0x7E10] = 0x5A;
    test::ScriptedDialogs dialogs;
    ReportViewer viewer(dialogs);
    viewer.showReport(compareConfigurations({lastVisit, QStringLiteral("/home/installer/sites/station-2026-06.cfi")},
                                            {now, QStringLiteral("uploaded from master 0 at 07/12/2026 09:15.02")},
                                            names)
                          .report);
    viewer.resize(800, 420); // every line in view
    return saveGrab(viewer, outputFolder + QStringLiteral("/compare.png"));
}

// A site of four masters: newest Uploads and Downloads a few edits apart, one cut.
bool saveSiteOverview(const QString& outputFolder)
{
    QTemporaryDir site;
    Workspace workspace(site.path().toStdString());
    buildDefaultConfiguration(workspace.config(), 0).applyTo(workspace.provenance());
    QDateTime at(QDate(2026, 11, 3), QTime(9, 12, 40));
    for (int m = 0; m < 4; ++m) {
        ConfigImage image;
        (void)buildDefaultConfiguration(image, m);
        for (int edit = 0; edit <= m; ++edit, at = at.addSecs(86400 + 1800)) {
            (void)workspace.history().record(image, m, HistoryDirection::Upload, false, at);
            image.messageEvent(edit + 1).setMessageNumber(Byte(10 + m));
            (void)workspace.history().record(image, m, HistoryDirection::Download, m == 2, at.addSecs(600));
        }
    }
    test::ScriptedDialogs dialogs;
    ReportViewer viewer(dialogs);
    SiteOverview overview(workspace, viewer, dialogs, {[] { return std::optional(1); }, [](const QString&) {}});
    overview.reload();
    return saveGrab(overview, outputFolder + QStringLiteral("/site-overview.png"));
}

// The Italian contents, reached from a panel's topic, so that Back is enabled.
bool saveHelp(const QString& outputFolder)
{
    HelpOpener::Platform noViewer{[] { return QString(); }, [](const QString&, const QStringList&) { return false; },
                                  [](const QString&) { return false; }};
    HelpOpener opener([] { return HelpOpener::Language{QString(), true}; }, noViewer);
    opener.open(HelpContext::ZonePanel);
    opener.open(HelpContext::Contents);
    return saveGrab(*opener.window(), outputFolder + QStringLiteral("/help.png"));
}

// The I/O card report of a master with one card on line B: a few inputs programmed.
bool saveReport(const QString& outputFolder, const QString& suffix)
{
    StatusBlock status;
    status.setMasterAddress(1);
    status.bytes[StatusBlock::UnitInfo + 2] = 0xE0; // connected I/O card on line B
    ConfigImage image;
    (void)buildDefaultConfiguration(image, 1);
    image.ioLineAttribute(2, 0) = 0x0B; // priority 3, negative logic, level
    image.ioLineAttribute(2, 1) = 0x1A; // priority 2, rising edge
    image.ioLineAttribute(2, 5) = 0x80; // output negative
    image.key(2, 0).setMessageNumber(5);
    image.key(2, 0).setOutputEvent(12);
    image.key(2, 0).zones().set(0, 1);
    image.key(2, 1).setOutputEvent(OutputEventCode::ResetMaster);
    image.key(2, 1).zones().set(1, 3);
    NameTables names;
    names.units[2] = "Lobby IO";
    test::ScriptedDialogs dialogs;
    ReportViewer viewer(dialogs);
    viewer.showReport(buildIoCardReport({status, image, names, QDateTime(QDate(2026, 12, 7), QTime(8, 17, 24))}));
    viewer.resize(800, 700);
    return saveGrab(viewer, outputFolder + QStringLiteral("/report%1.png").arg(suffix));
}

} // namespace
} // namespace q7582

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool doubleScale =
        arguments.size() > 1 && arguments[0] == QStringLiteral("--scale") && arguments[1] == QStringLiteral("200");
    if (doubleScale)
        arguments.remove(0, 2);
    const bool italian = !arguments.isEmpty() && arguments[0] == QStringLiteral("--italian");
    if (italian)
        arguments.remove(0);
    const QString outputFolder = arguments.isEmpty() ? QStringLiteral("docs") : arguments.last();
    q7582::test::useLaptopScreen();
    if (doubleScale)
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    if (italian) {
        q7582::useInterfaceLanguage(true);
        return q7582::saveMainWindow(outputFolder + QStringLiteral("/main-window-it.png"), false)
                       && q7582::saveEditorPages(outputFolder, QStringLiteral("-it"))
                       && q7582::saveReport(outputFolder, QStringLiteral("-it"))
                   ? 0
                   : 1;
    }
    if (doubleScale)
        return q7582::saveMainWindow(outputFolder + QStringLiteral("/main-window-200.png"), false)
                       && q7582::saveEditorPages(outputFolder, QStringLiteral("-200"))
                   ? 0
                   : 1;
    const bool master = q7582::saveMainWindow(outputFolder + QStringLiteral("/main-window.png"), false);
    const bool generator = q7582::saveMainWindow(outputFolder + QStringLiteral("/generator-mode.png"), true);
    const bool editor = q7582::saveEditorPages(outputFolder, QString());
    const bool compiler = q7582::saveMessageFolder(outputFolder);
    const bool comparison = q7582::saveComparison(outputFolder);
    const bool site =
        q7582::saveMainWindow(outputFolder + QStringLiteral("/site-window.png"), false, QStringLiteral("Hotel Milano"))
        && q7582::saveSiteOverview(outputFolder);
    const bool report = q7582::saveReport(outputFolder, QString());
    const bool help = q7582::saveHelp(outputFolder);
    const bool timeline = q7582::saveTimeline(outputFolder + QStringLiteral("/timeline.png"),
                                              outputFolder + QStringLiteral("/commissioning.png"));
    return master && generator && editor && compiler && comparison && report && help && site && timeline ? 0 : 1;
}
