#include "ui/help/HelpTopics.h"
#include "ItalianWalk.h"
#include "ProgramRun.h"
#include "WindowFixture.h"
#include "program/SecondaryWindows.h"
#include "recorder/RecordingWriter.h"
#include "reports/ReportGuards.h"
#include "sites/Fingerprints.h"
#include "sites/SiteSession.h"
#include "ui/common/HelpContexts.h"
#include "ui/config/GridRules.h"
#include "ui/help/HelpOpener.h"
#include "ui/help/HelpPlacement.h"
#include "ui/help/HelpWindow.h"
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
#include <QFile>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWindow>
#include <tuple>

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
    static QRegularExpression wholeWords(const QString& quote)
    {
        return QRegularExpression((quote.front().isLetterOrNumber() ? QStringLiteral("(?<!\\w)") : QString())
                                  + QRegularExpression::escape(quote)
                                  + (quote.back().isLetterOrNumber() ? QStringLiteral("(?!\\w)") : QString()));
    }
    bool programShows(const QString& quote) const { return !shown.filter(wholeWords(quote)).isEmpty(); }
    // An Italian quote is one of the program's Italian texts, its placeholders filled as
    // quoted, a whole-word part of one, or a text kept in English.
    bool programShowsInItalian(const QString& quote) const
    {
        const QRegularExpression part = wholeWords(quote);
        for (const auto& [pattern, text] : italianTexts)
            if (pattern.match(quote).hasMatch() || part.match(text).hasMatch())
                return true;
        return programShows(quote);
    }

    QStringList shown;
    const std::vector<std::pair<QRegularExpression, QString>> italianTexts = [] {
        std::vector<std::pair<QRegularExpression, QString>> out;
        for (const test::Translation& t : test::italianTranslations()) {
            const QString text = QString(t.text).remove(u'&');
            out.emplace_back(QRegularExpression::anchoredPattern(QRegularExpression::escape(text).replace(
                                 QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral(".+"))),
                             text);
        }
        return out;
    }();
};

} // namespace

// Every context has a topic in both languages, with the same files in each. Every topic has
// a title and is in the contents; every link resolves; every option a topic tells to type is
// one the manager or the simulator takes.
TEST(HelpTopics, EveryContextHasATopicEveryLinkResolvesEveryOptionIsTakenAndItsPlaceIsWhollyOnScreen)
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

    // The help window goes beside or over its caller, always wholly on screen.
    using namespace helpPlacement;
    const QRect screen(0, 0, 1920, 1040);    // 1920 x 1080 less a panel
    const QRect second(1920, 0, 1280, 1000); // a second screen to the right: its own edges count, not zero
    const QSize help(560, 510);
    const std::tuple<QRect, QRect, QPoint> besides[] = {
        {QRect(100, 50, 850, 680), screen, {958, 50}},     // room on the right: beside it, top edges level
        {QRect(1000, 50, 850, 680), screen, {432, 50}},    // else on the left
        {QRect(200, 600, 1600, 700), screen, {1240, 530}}, // else over its right part
        {QRect(2600, 100, 500, 400), second, {2600 - Gap - 560, 100}}};
    for (const auto& [anchor, on, at] : besides)
        EXPECT_EQ(beside(help, anchor, on), QRect(at, help)) << anchor.x();
    // Over a modal caller, inside its top right corner with its title bar in sight; back on
    // screen at the screen's corner.
    EXPECT_EQ(over(help, QRect(300, 200, 850, 450), screen), QRect(QPoint(1149 - 32 - 559, 232), help));
    EXPECT_EQ(over(help, QRect(1700, 900, 600, 400), screen), QRect(QPoint(1360, 530), help));
    // A window larger than the screen is cut to it; one above or left of it comes back.
    EXPECT_EQ(onScreen(QRect(-50, -20, 2400, 1200), screen), screen);
    EXPECT_EQ(onScreen(QRect(-50, -20, 100, 100), screen), QRect(0, 0, 100, 100));
}

TEST_F(HelpCaptions, EveryQuotedCaptionIsOneTheProgramShows)
{
    // The windows as they first show, then on a connected master and generator; the
    // questions and refusals as the program asks them.
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    w.editor->prepareShow();
    KnownSites known(at("sites.txt"));
    SiteSession session(known);
    new SiteMenu(window->menuBar(), session, dialogs, window.get(), {});
    window->setSiteName("Hotel Milano");
    addWindowTexts(*window);
    acceptEdited(workspace->config());
    ASSERT_TRUE(QDir(tmp.path()).mkdir("MSGVELA") && QDir(tmp.path()).mkdir("history"));
    write("MSGVELA/MSGLIST.TXT", ";T\r\n001|One|1\r\n"); // no WAV file: a repair
    dialogs.answers = {tmp.path() + "/missing.cfi", tmp.path() + "/MSGVELA"};
    dialogs.yeses = 1; // replace the edited configuration
    trigger("Open1");
    test::child<QAction>(*w.compiler, "MsgFolder")->trigger();
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
        std::copy_n("\x08\x0A\x0E", 3, g.data() + GeneratorStatus::LegalId); // table 8.10.14
    });
    window->generatorPanelRefresh();
    addWindowTexts(*window);
    QPrintDialog print; // lists the printers as it shows
    print.show();
    addWindowTexts(print);
    const QString recording = at("r.q7582rec");
    QString error;
    if (auto writer = RecordingWriter::create(recording, {"Hotel Milano", {}}, &error))
        writer->event(TapEvent::ConnectedMaster, 0, {}, 1);
    TimelineWindow* timeline = w.timeline->open(recording);
    ASSERT_TRUE(timeline);
    addWindowTexts(*timeline);

    for (const ActivityName& entry : ActivityNames)
        shown << entry.name;
    shown << StatusReportTitle << ConfigurationReportTitle << *statusReportRefusal(NotConnected) << ClosingNotice
          << alreadyRunningText() << PartialDownloadMark << TransferCancelledNotice << summerTimeCaption(true)
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
                EXPECT_TRUE(italian ? programShowsInItalian(m.captured(1)) : programShows(m.captured(1)))
                    << (italian ? "it/" : "en/") << name.toStdString() << " quotes " << m.captured(1).toStdString();
        }
}

namespace {

// A user's click, through the window system: Qt drops it when a modal window blocks the
// help window. Returns the topic shown after.
QString clickOn(HelpWindow* help, const char* name)
{
    auto* b = test::child<QPushButton>(*help, name);
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, b->mapTo(help, b->rect().center()));
    return help->browser()->source().toString();
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner->setGeometry(10, 10, 200, 150);
        owner->show();
    }

    std::string topic() const { return opener->browser()->source().toString().toStdString(); }
    QString click(const char* name) const { return clickOn(opener->window(), name); }

    bool italian = true;
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
    // No help file nor viewer: the built-in topics. Gone before its owner.
    const std::function<HelpOpener::Language()> language = [this] { return HelpOpener::Language{{}, italian}; };
    const HelpOpener::Platform noViewer{[] { return QString(); }, [](auto&, auto&) { return false; },
                                        [](auto&) { return false; }};
    std::unique_ptr<HelpOpener> opener = std::make_unique<HelpOpener>(language, noViewer, owner.get());
};

} // namespace

// Beside its owner first, its topic in the language in force; where the user left it after.
TEST_F(HelpWindowTest, OpensBesideItsOwnerInTheLanguageInForceAndStaysWhereLeft)
{
    opener->open(HelpContext::ZonePanel);
    HelpWindow* help = opener->window();
    EXPECT_GT(help->frameGeometry().left(), owner->frameGeometry().right());
    EXPECT_EQ(topic(), "qrc:/help/it/3006.html");
    test::expectShownInItalian([] { return std::make_unique<HelpWindow>(nullptr); });
    // Back and Forward wait for a link followed: Tab picks the first ("the main window"), Enter follows it.
    const auto enabled = [&] {
        return std::pair(test::child<QPushButton>(*help, "HelpBack")->isEnabled(),
                         test::child<QPushButton>(*help, "HelpForward")->isEnabled());
    };
    EXPECT_EQ(enabled(), std::pair(false, false));
    QTest::keyClick(opener->browser(), Qt::Key_Tab);
    QTest::keyClick(opener->browser(), Qt::Key_Return);
    EXPECT_EQ(std::pair(topic(), enabled()), std::pair(std::string("qrc:/help/it/3000.html"), std::pair(true, false)));
    EXPECT_EQ(click("HelpBack"), "qrc:/help/it/3006.html");
    EXPECT_EQ(click("HelpForward"), "qrc:/help/it/3000.html");
    EXPECT_EQ(enabled(), std::pair(true, false));

    // Moved and closed, it opens where the user left it; English chosen, in English.
    help->move(300, 40);
    help->close();
    italian = false;
    opener->open(HelpContext::MasterPanel);
    EXPECT_EQ(help->pos(), QPoint(300, 40));
    EXPECT_EQ(click("HelpContents"), "qrc:/help/en/1000.html");
}

TEST_F(HelpWindowTest, NeverDeletedWithAModalWindowAndDeletedWithItsOpener)
{
    auto* dialog = new QDialog(owner.get());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    opener->open(HelpContext::ConfigEditor);
    QPointer<HelpWindow> help = opener->window();
    delete dialog; // while the help window is its child
    ASSERT_TRUE(help);
    EXPECT_EQ(std::pair(help->parentWidget(), help->isVisible()), std::pair(owner.get(), true));

    // A modal window over another: closing the upper one hands it to the one beneath.
    QDialog other(owner.get());
    QDialog upper(&other);
    for (QDialog* d : {&other, &upper}) {
        d->setWindowModality(Qt::ApplicationModal);
        d->show();
    }
    opener->open(HelpContext::ConfigEditor);
    upper.hide();
    EXPECT_EQ(std::pair(help->parentWidget(), help->isVisible()), std::pair(static_cast<QWidget*>(&other), true));

    // The opener takes its window along, even one lent to a modal window.
    opener.reset();
    EXPECT_FALSE(help);
    other.hide();
}

// Help asked from the running editor, compiler and history window of a whole main
// window. Here rather than with the main window's tests, which also run under
// ThreadSanitizer: showing the editor fills areas large enough for Qt to hand the fill
// to its thread pool, whose hand-over the uninstrumented Qt hides from the checker.
using HelpFromModalWindows = test::WindowTest;

// Qt blocks every window but the running modal window's own; the help window is one of
// them while it runs, over it, and the main window's again after. A user's click
// through the window system reaches it both times.
TEST_F(HelpFromModalWindows, StaysUsableWhileTheEditorTheCompilerOrTheHistoryRuns)
{
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    window->show();
    const auto shownAfterClicking = [this](const char* name) { return clickOn(window->helpOpener().window(), name); };
    const std::tuple<const char*, std::function<void()>, const char*> cases[] = {
        {"Edit2", [&] { test::child<QAbstractButton>(*w.editor, "BbKey")->click(); }, "2001"},
        {"Open2", [&] { test::child<QAction>(*w.compiler, "HelpAct")->trigger(); }, "4000"},
        {"History1", [&] { test::child<QAction>(*w.history, "HelpKey")->trigger(); }, "history"},
    };
    for (const auto& [item, askHelp, topic] : cases) {
        SCOPED_TRACE(item);
        const test::InModal inside([&](QWidget* modal) {
            ASSERT_TRUE(modal == w.editor || modal == w.compiler || modal == w.history);
            askHelp();
            const HelpWindow* help = window->helpOpener().window();
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(modal->windowHandle()->isAncestorOf(help->windowHandle(), QWindow::IncludeTransients));
            EXPECT_TRUE(help->frameGeometry().intersects(modal->frameGeometry())
                        && help->screen()->availableGeometry().contains(help->frameGeometry()));
            EXPECT_EQ(shownAfterClicking("HelpContents"), "qrc:/help/it/1000.html");
            EXPECT_EQ(shownAfterClicking("HelpBack"), QString("qrc:/help/it/%1.html").arg(topic));
        });
        trigger(item);
        EXPECT_EQ(shownAfterClicking("HelpContents"), "qrc:/help/it/1000.html");
    }
}

// A help button opens its topic; leaving it hands the keyboard focus to its window's home.
// F1 opens the topic of the compiler.
TEST_F(HelpFromModalWindows, HelpButtonsAndF1OpenTheirTopicAndGiveTheFocusBack)
{
    const SecondaryWindows w = createSecondaryWindows(*window, *workspace);
    const std::tuple<QWidget*, const char*, const char*, const char*> buttons[] = {
        {window.get(), "BbSlave", "3006", "prBar1"}, {w.history, "BbHistory", "history", "HistoryList"}};
    for (const auto& [owner, name, topic, home] : buttons) {
        auto* button = owner->findChild<QAbstractButton*>(name);
        ASSERT_TRUE(button) << name;
        button->click();
        EXPECT_EQ(window->helpOpener().browser()->source().toString(), QString("qrc:/help/it/%1.html").arg(topic));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        EXPECT_EQ(owner->focusWidget(), owner->findChild<QWidget*>(home)) << name;
    }
    w.compiler->show();
    w.compiler->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.compiler));
    QTest::keyClick(w.compiler, Qt::Key_F1);
    EXPECT_EQ(window->helpOpener().browser()->source().toString(), "qrc:/help/it/4000.html");
}
