#include "ui/timeline/TimelineWindow.h"
#include "Child.h"
#include "EventWait.h"
#include "FileFixture.h"
#include "ItalianWalk.h"
#include "ScriptedDialogs.h"
#include "SqlExec.h"
#include "recorder/RecordingWriter.h"
#include "ui/main/MasterPageView.h"
#include "ui/main/StatusRules.h"
#include "ui/main/ZoneGridPanel.h"
#include "ui/timeline/TimelineOpener.h"
#include "ui/timeline/TimelinePlot.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace q7582 {
namespace {

constexpr qint64 T0 = 1'780'000'000'000;

void key(QWidget& w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &press);
}

void click(QWidget& w, QPoint at)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, w.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &e);
    }
}

// Master 2 with slave 0 read every 100 ms for 60 s: zone 1 busy from 10 s to 20 s and from
// 40 s to 45 s, input 1 on at 10 s; the site names zone 1 and input 1.
class TimelineWindowTest : public FileFixture {
protected:
    std::unique_ptr<RecordingWriter> startRecording()
    {
        NameTables names;
        names.zones[0] = "Entrance";
        names.inputs[0] = "Fire door";
        QString error;
        auto writer = RecordingWriter::create(file, {"Hall", QString::fromStdString(names.asText())}, &error);
        EXPECT_TRUE(writer) << error.toStdString();
        status.setMasterAddress(2);
        status.bytes[StatusBlock::SlaveZones] = 0x80;
        writer->event(TapEvent::ConnectedMaster, 2, {}, T0);
        return writer;
    }
    void readsUntil(RecordingWriter& writer, qint64 fromMs, qint64 toMs)
    {
        for (qint64 ms = fromMs; ms < toMs; ms += 100) {
            const bool busy = (ms >= 10000 && ms < 20000) || (ms >= 40000 && ms < 45000);
            status.bytes[StatusBlock::BusyZones] = busy ? 0x01 : 0x00;
            status.bytes[StatusBlock::InputStates] = ms >= 10000 ? 0x01 : 0x00;
            writer.read(TapStream::MasterPage0, status.page(0), T0 + ms);
        }
    }
    TimelineWindow* openRecording()
    {
        auto writer = startRecording();
        readsUntil(*writer, 0, 60000);
        writer->stop();
        TimelineWindow* window = opener.open(file);
        EXPECT_TRUE(window);
        return window;
    }
    int laneNamed(const TimelineWindow& w, const QString& name) const
    {
        for (std::size_t k = 0; k < w.lanes().size(); ++k)
            if (w.lanes()[k].name == name && w.lanes()[k].field != LaneField::ZoneMusic)
                return int(k);
        return -1;
    }

    const QString file = tmp.filePath("r.q7582rec");
    StatusBlock status;
    test::ScriptedDialogs dialogs;
    QWidget parent;
    TimelineOpener opener{dialogs, &parent};
};

TEST_F(TimelineWindowTest, AsksInTheRecordingsFolderAndNamesTheLanesAsTheSiteDoes)
{
    auto writer = startRecording();
    readsUntil(*writer, 0, 1000);
    writer->stop();
    ASSERT_TRUE(QDir(tmp.path()).mkdir("recordings"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(tmp.path());
    dialogs.answers << file;
    opener.chooseAndOpen();
    QDir::setCurrent(before);
    ASSERT_EQ(dialogs.startFolders.size(), 1);
    EXPECT_EQ(QDir(dialogs.startFolders[0]).dirName(), "recordings");
    auto* window = parent.findChild<TimelineWindow*>();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "r.q7582rec - Hall - Timeline");
    const int zone = laneNamed(*window, "Entrance"), input = laneNamed(*window, "Fire door");
    EXPECT_EQ(std::tuple(window->lanes()[std::size_t(zone)].field, window->lanes()[std::size_t(input)].field,
                         test::child<QListWidget>(*window, "TimelineLanes")->item(input)->text()),
              std::tuple(LaneField::ZoneBusy, LaneField::Input, QString("Fire door")));
    // Grouped as the main window: zones above inputs, each group under its header.
    EXPECT_LT(window->plot().rowTop(zone), window->plot().rowTop(input));
    EXPECT_EQ(window->plot().laneAt(window->plot().rowTop(input) - 1), -1);
}

TEST_F(TimelineWindowTest, ZoomsFromTheWholeRecordingDownToSingleReadsAndPansInsideIt)
{
    TimelineWindow* window = openRecording();
    TimelinePlot& plot = window->plot();
    const ViewSpan whole{T0, T0 + 59900};
    EXPECT_EQ(plot.view(), whole);
    for (int k = 0; k < 12; ++k)
        key(plot, Qt::Key_Plus);
    EXPECT_EQ(plot.view().length(), NarrowestViewMs);
    // Each key, then the end of the view it must leave (the start when `fromEnd` is false) where.
    const std::tuple<int, bool, qint64> pans[] = {{Qt::Key_End, true, whole.toMs},
                                                  {Qt::Key_Right, true, whole.toMs},
                                                  {Qt::Key_Home, false, T0},
                                                  {Qt::Key_Left, false, T0},
                                                  {Qt::Key_Right, false, T0 + NarrowestViewMs / 8}};
    for (const auto& [k, fromEnd, at] : pans) {
        key(plot, k);
        EXPECT_EQ(fromEnd ? plot.view().toMs : plot.view().fromMs, at) << k;
    }
    for (int k = 0; k < 12; ++k)
        key(plot, Qt::Key_Minus);
    EXPECT_EQ(plot.view(), whole);
    // A repaint of a view drawn before asks nothing of the summaries.
    const int queries = plot.columnQueries();
    plot.repaint();
    EXPECT_EQ(plot.columnQueries(), queries);
}

TEST_F(TimelineWindowTest, TheCursorShowsTheStatusOnTheMainWindowsPanels)
{
    status.bytes[StatusBlock::UnitInfo] = 0xA0; // the I/O card at address 0, for input 1
    TimelineWindow* window = openRecording();
    window->resize(1200, 900);
    TimelinePlot& plot = window->plot();
    for (const qint64 at : {qint64(5000), qint64(15000)}) {
        click(plot, QPoint(plot.xAt(T0 + at), plot.rowTop(0) + 5));
        const RecordedStatus expected = window->reader().statusAt(plot.cursorMs());
        EXPECT_EQ(window->cursorStatus().master.bytes, expected.master.bytes);
        EXPECT_EQ(window->statusView().panels().zones->cells()[0], zoneCellState(expected.master, 0));
    }
    EXPECT_EQ(window->statusView().panels().zones->cells()[0], CellState::Busy);
    EXPECT_TRUE(window->statusView().isEnabled());

    // The commissioning record covers the span in view: input 1 at 10 s, zone 1 at once.
    QStringList lines; // of both reports
    window->setReportHook([&](const Report& r) {
        for (const ReportLine& line : r.lines)
            lines << line.text;
    });
    for (const qint64 to : {qint64(9000), qint64(60000)}) {
        plot.setView({T0, T0 + to});
        test::child<QPushButton>(*window, "CommissioningRecord")->click();
    }
    EXPECT_EQ(std::tuple(lines.filter("Commissioning record").size(), lines.filter("Fire door").size(),
                         lines.filter("Entrance").size()),
              std::tuple(2, 1, 1))
        << lines.join('\n').toStdString();
}

TEST_F(TimelineWindowTest, LanesAreHiddenAndShownAgainAndNextAndPreviousChangeLandOnTheSelectedLanesChanges)
{
    TimelineWindow* window = openRecording();
    const int zone = laneNamed(*window, "Entrance");
    const std::size_t all = window->plot().shownLanes().size();
    test::child<QListWidget>(*window, "TimelineLanes")->item(zone)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(std::pair(window->plot().rowTop(zone), window->plot().shownLanes().size()), std::pair(-1, all - 1));
    window->showAllLanes();
    EXPECT_EQ(std::pair(window->plot().rowTop(zone), window->plot().shownLanes().size()),
              std::pair(int(TimelinePlot::HeaderHeight), all));

    std::vector<qint64> changes;
    QString error;
    ReaderStates states(window->reader());
    forEachChange(
        states, window->lanes(), {zone}, T0, T0 + 60000,
        [&](const LaneChange& c) { return (changes.push_back(c.timeMs), true); }, &error);
    ASSERT_EQ(changes, (std::vector<qint64>{T0 + 10000, T0 + 20000, T0 + 40000, T0 + 45000}));
    window->plot().selectLane(zone);
    auto* next = test::child<QPushButton>(*window, "NextChange");
    for (const qint64 at : changes) {
        next->click();
        EXPECT_EQ(window->plot().cursorMs(), at);
    }
    next->click();
    EXPECT_EQ(window->plot().cursorMs(), changes.back());
    test::child<QPushButton>(*window, "PreviousChange")->click();
    EXPECT_EQ(window->plot().cursorMs(), changes[2]);
}

TEST_F(TimelineWindowTest, ARecordingBeingWrittenIsFollowedToItsEnd)
{
    auto writer = startRecording();
    readsUntil(*writer, 0, 10000);
    ASSERT_TRUE(test::spinUntil([&] { return writer->readsWritten() == 100; }));
    TimelineWindow* window = opener.open(file);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->plot().view().toMs, T0 + 9900);
    readsUntil(*writer, 10000, 20000);
    EXPECT_TRUE(test::spinUntil([&] { return window->plot().view().toMs == T0 + 19900; }, 5000))
        << window->plot().view().toMs - T0;
    writer->stop();
}

TEST_F(TimelineWindowTest, AFileThatIsNotARecordingIsRefusedWithTheReadersReason)
{
    write("bad.q7582rec", "not a recording at all");
    QString reason;
    EXPECT_FALSE(RecordingReader::open(tmp.filePath("bad.q7582rec"), &reason));
    EXPECT_EQ(opener.open(tmp.filePath("bad.q7582rec")), nullptr);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_EQ(dialogs.warnings[0], test::ScriptedDialogs::Box("Errore", reason));
    EXPECT_EQ(parent.findChild<TimelineWindow*>(), nullptr);

    // A block damaged inside a whole file: said once, when the cursor first needs it.
    openRecording()->close();
    parent.setFont(QFont(QStringLiteral("Tahoma"), 8)); // as the main window, whose panels the cursor's status shows
    // The cursor's line names the lanes and their values, as the timeline's columns word them.
    test::expectShownInItalian([this] { return std::unique_ptr<QWidget>(opener.open(file)); });
    ASSERT_TRUE(test::sqlExec(file, "UPDATE blocks SET data=X'00FF' WHERE first_ms>" + QString::number(T0 + 30000)));
    TimelineWindow* window = opener.open(file);
    ASSERT_TRUE(window);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    window->plot().setCursor(T0 + 50000);
    window->plot().setCursor(T0 + 55000);
    ASSERT_EQ(dialogs.warnings.size(), 2u);
    EXPECT_TRUE(dialogs.warnings[1].second.startsWith(file + " is damaged: the reads recorded from "))
        << dialogs.warnings[1].second.toStdString();
    const ReaderStates states(window->reader()); // a walk fails only where it met the damage
    const auto walk = [&](qint64 toMs) {
        return states.forEach(
            T0, T0 + toMs, [](auto&) { return true; }, &reason);
    };
    EXPECT_TRUE(walk(20000)) << reason.toStdString();
    EXPECT_FALSE(walk(60000));
}

} // namespace
} // namespace q7582
