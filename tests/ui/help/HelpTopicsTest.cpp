#include "ui/help/HelpTopics.h"
#include "ProgramRun.h"
#include "WindowFixture.h"
#include "program/SecondaryWindows.h"
#include "recorder/RecordingWriter.h"
#include "reports/ReportGuards.h"
#include "sites/Fingerprints.h"
#include "sites/SiteSession.h"
#include "ui/common/HelpContexts.h"
#include "ui/config/GridRules.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/ClosingGuard.h"
#include "ui/main/DeviceHint.h"
#include "ui/main/StatusRules.h"
#include "ui/main/TransferMessages.h"
#include "ui/main/WorkingFolderLock.h"
#include "ui/msgfolder/MessageFolderWindow.h"
#include "ui/sites/SiteMenu.h"
#include "ui/timeline/TimelineOpener.h"
#include "ui/timeline/TimelineWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace q7582;
using enum ConnectionState;

namespace {

QString readTopic(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList hrefs(const QString& html)
{
    QStringList found;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& m : href.globalMatch(html))
        found << m.captured(1);
    return found;
}

QStringList topicFiles(bool italian)
{
    return QDir(helpTopics::folder(italian)).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Every text the program shows that the help may quote: the captions, titles, items and
// table cells of its windows (captions without their '&'), and the messages of
// its commands as the program words them for the help's examples.
class HelpCaptions : public test::WindowTest {
protected:
    void addWindowTexts(const QWidget& root)
    {
        shown << root.windowTitle();
        for (const QObject* o : root.findChildren<QObject*>()) {
            for (const char* property : {"windowTitle", "text", "title"}) // of actions, buttons, labels, menus, boxes
                shown << o->property(property).toString().remove(u'&');
            if (const auto* c = qobject_cast<const QComboBox*>(o))
                for (int i = 0; i < c->count(); ++i)
                    shown << c->itemText(i);
            else if (const auto* t = qobject_cast<const QTabWidget*>(o))
                for (int i = 0; i < t->count(); ++i)
                    shown << t->tabText(i);
            else if (const auto* table = qobject_cast<const QTableWidget*>(o))
                for (const QTableWidgetItem* item : table->findItems("*", Qt::MatchWildcard))
                    shown << item->text();
        }
    }
    // A quote is the program's text or a whole-word part of one ("PARTIAL DOWNLOAD").
    bool programShows(const QString& quote) const
    {
        const QString pattern = (quote.front().isLetterOrNumber() ? QStringLiteral("(?<!\\w)") : QString())
                                + QRegularExpression::escape(quote)
                                + (quote.back().isLetterOrNumber() ? QStringLiteral("(?!\\w)") : QString());
        return !shown.filter(QRegularExpression(pattern)).isEmpty();
    }

    QStringList shown;
};

} // namespace

TEST(HelpTopics, EveryContextHasATopicInBothLanguagesAndTheSameFilesInEach)
{
    for (const bool italian : {true, false}) // a number without a topic would open the contents
        for (const int context : HelpContext::All)
            EXPECT_TRUE(context == HelpContext::Contents
                        || helpTopics::topicUrl(context, italian)
                               != helpTopics::topicUrl(HelpContext::Contents, italian))
                << context << (italian ? " it" : " en");
    EXPECT_EQ(topicFiles(true), topicFiles(false));
    EXPECT_EQ(helpTopics::topicUrl(HelpContext::TimelineWindow, false), QUrl("qrc:/help/en/timeline.html"));
    EXPECT_EQ(helpTopics::topicUrl(1234, true), QUrl("qrc:/help/it/1000.html")); // no topic: the contents
}

// Every topic has a title and is in the contents; every link resolves; every option a
// topic tells to type is one the manager or the simulator takes.
TEST(HelpTopics, EveryLinkResolvesAndEveryCommandLineOptionIsOneTheProgramsTake)
{
    QString usage;
    for (const char* program : {"qs7582-sim", "qs7582"})
        usage += test::runInFolder(QDir::currentPath(), program, {"--help"}).out;
    // In a <code>, where the topics write what is typed; a <pre> may hold other programs' commands.
    static const QRegularExpression code("<code>([^<]*)</code>");
    static const QRegularExpression option("--[a-z][a-z-]*");
    for (const bool italian : {true, false}) {
        const QString dir = helpTopics::folder(italian);
        const QStringList fromContents = hrefs(readTopic(dir + "/1000.html"));
        for (const QString& name : topicFiles(italian)) {
            SCOPED_TRACE(name.toStdString());
            const QString html = readTopic(dir + u'/' + name);
            EXPECT_TRUE(html.contains("<title>"));
            EXPECT_TRUE(name == "1000.html" || fromContents.contains(name)) << "not in the contents";
            for (const QString& link : hrefs(html)) {
                if (link.startsWith("http://") || link.startsWith("https://"))
                    continue;
                const QString file = link.section(u'#', 0, 0);
                const QString anchor = link.section(u'#', 1);
                const QString target = file.isEmpty() ? html : readTopic(dir + u'/' + file);
                EXPECT_FALSE(target.isEmpty()) << link.toStdString();
                EXPECT_TRUE(anchor.isEmpty() || target.contains("name=\"" + anchor + '"')
                            || target.contains("id=\"" + anchor + '"'))
                    << link.toStdString();
            }
            for (const QRegularExpressionMatch& c : code.globalMatch(html))
                for (const QRegularExpressionMatch& m : option.globalMatch(c.captured(1)))
                    EXPECT_TRUE(
                        usage.contains(QRegularExpression(QRegularExpression::escape(m.captured()) + "(?![a-z-])")))
                        << "names " << m.captured().toStdString();
        }
    }
}

TEST_F(HelpCaptions, EveryQuotedCaptionIsOneTheProgramShows)
{
    // The windows as they first show, then on a connected master and generator; the
    // questions and refusals as the program asks them.
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    w.editor->prepareShow();
    KnownSites known(QString::fromStdString(path("sites.txt")));
    SiteSession session(known);
    new SiteMenu(window->menuBar(), session, dialogs, window.get(), {});
    window->setSiteName("Hotel Milano");
    addWindowTexts(*window);
    acceptEdited(workspace->config());
    ASSERT_TRUE(QDir(dir.path()).mkdir("MSGVELA") && QDir(dir.path()).mkdir("history"));
    write("MSGVELA/MSGLIST.TXT", ";T\r\n001|One|1\r\n"); // no WAV file: a repair
    dialogs.answers = {dir.path() + "/missing.cfi", dir.path() + "/MSGVELA"};
    dialogs.yeses = 1; // replace the edited configuration
    trigger("Open1");
    w.compiler->findChild<QAction*>("MsgFolder")->trigger();
    write("history/2026-01-01_08.00.00_master-1_download-partial.cfi", std::string(ConfigImage::Size, '\0'));
    write("history/notes.txt", "no configuration, nor an entry's name");
    w.history->reload();
    setStatus([](StatusBlock& s) { s.setMasterAddress(2); });
    connectMaster();
    trigger("Edit1"); // Upload before the master told its address
    refresh();
    dialogs.yeses = 1; // replace the edited configuration with master 1's default
    trigger("Master1");
    trigger("Download1"); // to master 2: asked
    for (const auto& boxes : {dialogs.warnings, dialogs.okCancelAsked, dialogs.saveBoxes})
        for (const auto& [title, text] : boxes)
            shown << title << text;
    shown << dialogs.questions;
    for (const auto& box : dialogs.choiceBoxes)
        shown << box.text << box.buttons;
    addWindowTexts(*window);
    window->enterGeneratorMode();
    shared.withGenerator([](GeneratorStatus& g) {
        g.bytes[GeneratorStatus::MediaFlags] = GeneratorStatus::MediaCardInserted | GeneratorStatus::MediaFolderFound;
        g.bytes[GeneratorStatus::LegalId] = 8; // table 8.10.14
        g.bytes[GeneratorStatus::LegalId + 1] = 10;
        g.bytes[GeneratorStatus::LegalId + 2] = 14;
    });
    window->generatorPanelRefresh();
    addWindowTexts(*window);
    QPrintDialog print; // lists the printers as it shows
    print.show();
    addWindowTexts(print);
    const QString recording = dir.path() + "/r.q7582rec";
    QString error;
    if (auto writer = RecordingWriter::create(recording, {"Hotel Milano", {}}, &error))
        writer->event(TapEvent::ConnectedMaster, 0, {}, 1);
    TimelineWindow* timeline = w.timeline->open(recording);
    ASSERT_TRUE(timeline);
    addWindowTexts(*timeline);

    for (const ActivityName& entry : ActivityNames)
        shown << entry.name;
    shown << StatusReportTitle << ConfigurationReportTitle << *statusReportRefusal(NotConnected) << ClosingNotice
          << AlreadyRunningText << PartialDownloadMark << TransferCancelledNotice << summerTimeCaption(true)
          << deviceHint(OpenFailure::NoAccess).text << deviceHint(OpenFailure::InUse).text
          << transferCompletedText(TransferKind::Upload, 2) << transferCompletedText(TransferKind::Download, 2)
          << outputEventText(64) << outputEventText(65) << LegacySiteName
          << recognitionText({{}, "Hotel Milano", {}, {QDate(2026, 10, 3), {}, 1, HistoryDirection::Download}});
    Provenance p; // uploaded from master 0; master 1 is connected
    for (const bool modified : {true, false})
        for (const auto origin : {ConfigOrigin::OriginDefault, ConfigOrigin::OriginFile, ConfigOrigin::OriginMaster}) {
            p.origin = origin;
            p.modified = modified;
            shown << configurationCaption(p, false) << configurationReportRefusal(Connected, p, 1).value_or(QString());
        }
    for (const TransferFault fault : {TransferFault::NoReply, TransferFault::Busy, TransferFault::BadReply,
                                      TransferFault::LinkError, TransferFault::LinkLost})
        shown << whatHappened({TransferKind::Download, TransferEnd::Failed, fault, 37});

    static const QRegularExpression commands(QStringLiteral("<(pre|code)>.*?</\\1>"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
    for (const bool italian : {true, false})
        for (const QString& name : topicFiles(italian)) {
            QTextDocument topic;
            topic.setHtml(readTopic(helpTopics::folder(italian) + u'/' + name).remove(commands));
            for (const QRegularExpressionMatch& m : quoted.globalMatch(topic.toPlainText()))
                EXPECT_TRUE(programShows(m.captured(1)))
                    << (italian ? "it/" : "en/") << name.toStdString() << " quotes " << m.captured(1).toStdString();
        }
}
