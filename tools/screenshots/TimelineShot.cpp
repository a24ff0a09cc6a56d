#include "TimelineShot.h"

#include "EventWait.h"
#include "ScriptedDialogs.h"
#include "recorder/RecordingWriter.h"
#include "recordingreports/CommissioningRecord.h"
#include "recordingreports/ReaderStates.h"
#include "settings/NameTables.h"
#include "ui/reports/ReportViewer.h"
#include "ui/timeline/TimelineOpener.h"
#include "ui/timeline/TimelinePlot.h"
#include "ui/timeline/TimelineWindow.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>

namespace q7582 {

namespace {

// The commissioning record of the whole sample, made on a fixed date as the button makes it.
bool saveCommissioningRecord(const QString& file, qint64 start, const QString& path)
{
    QString error;
    const auto reader = RecordingReader::open(file, &error);
    if (!reader) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    const ReaderStates states(*reader);
    const auto activations = collectActivations(states, start, reader->span().lastMs, &error);
    if (!activations) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    test::ScriptedDialogs dialogs;
    ReportViewer viewer(dialogs);
    viewer.showReport(commissioningReport(*activations, namesFromText(reader->meta().names), start,
                                          reader->span().lastMs, QDateTime(QDate(2026, 12, 7), QTime(8, 12, 0))));
    viewer.resize(900, 700);
    test::serveEventsFor(300);
    const bool saved = viewer.grab().save(path);
    if (!saved)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return saved;
}

bool writeSample(const QString& path, qint64 start)
{
    NameTables names;
    names.zones[0] = "Entrance";
    names.zones[1] = "Lobby";
    names.zones[2] = "Bar";
    names.zones[3] = "Restaurant";
    names.zones[4] = "Pool";
    names.zones[5] = "Garden";
    names.inputs[0] = "Fire door";
    names.inputs[1] = "Front desk call";
    names.inputs[2] = "Pool alarm";
    names.units[0] = "Desk lobby";
    QString error;
    auto writer = RecordingWriter::create(path, {"Hotel Milano", QString::fromStdString(names.asText())}, &error);
    if (!writer) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    StatusBlock s;
    s.setMasterAddress(1);
    s.bytes[StatusBlock::SlaveZones] = 0x80;
    s.bytes[StatusBlock::UnitInfo] = 0xA0;
    s.bytes[StatusBlock::UnitInfo + 2] = 0xE0; // the I/O card on line B
    s.setMusicLevel(14);
    writer->event(TapEvent::ConnectedMaster, 1, {}, start);
    for (qint64 k = 0; k < 6000; ++k) {
        const qint64 ms = start + 100 * k;
        if (k == 4200)
            writer->event(TapEvent::Unplugged, 0, {}, ms);
        if (k >= 4200 && k < 4400)
            continue;
        if (k == 4400)
            writer->event(TapEvent::ConnectedMaster, 1, {}, ms);
        const int cycle = int(k % 400), round = int(k / 400) % 3;
        s.bytes[StatusBlock::InputStates] = cycle < 30 ? Byte(1 << round) : 0;
        const bool announcing = cycle >= 10 && cycle < 160;
        s.bytes[StatusBlock::ActiveSource] = announcing ? Byte(StatusBlock::SourceInput) : 0;
        s.bytes[StatusBlock::ActiveSourceNumber] = announcing ? Byte(round + 1) : 0;
        s.bytes[StatusBlock::ActiveMessage] = announcing ? Byte(3 + round) : 0;
        s.bytes[StatusBlock::BusyZones] = cycle >= 14 && cycle < 160 ? Byte(round == 2 ? 0x30 : 0x0F >> round) : 0;
        s.setSpeechLevel(k < 1500 ? 12 : 8);
        const double voice = announcing ? 12 + 6 * std::sin(double(k) / 3) : 2;
        s.bytes[StatusBlock::VoxInputMeters] = Byte(std::lround(voice));
        s.bytes[StatusBlock::VoxInputMeters + 1] = Byte(3 + k / 7 % 4);
        const TapStream stream = k % 10 == 9 ? TapStream::MasterPage1 : TapStream::MasterPage0;
        writer->read(stream, s.page(int(stream)), ms);
        while (k + 1 - writer->readsWritten() > RecordingWriter::QueueLimit / 2)
            QThread::msleep(1);
    }
    writer->stop();
    return !writer->failed();
}

} // namespace

bool saveTimeline(const QString& path, const QString& commissioningPath)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("2026-12-07-080000.q7582rec"));
    const qint64 start = QDateTime(QDate(2026, 12, 7), QTime(8, 0, 0)).toMSecsSinceEpoch();
    if (!writeSample(file, start))
        return false;
    test::ScriptedDialogs dialogs;
    QWidget owner;
    TimelineOpener opener(dialogs, &owner);
    TimelineWindow* window = opener.open(file);
    if (!window)
        return false;
    window->resize(1280, 1000);
    test::serveEventsFor(300);
    // The parts the sample site has and uses: six zones, three inputs, three units.
    for (std::size_t k = 0; k < window->lanes().size(); ++k) {
        const Lane& lane = window->lanes()[k];
        const bool unused = lane.field == LaneField::ZoneMusic || lane.group == LaneGroup::Outputs
                            || (lane.group == LaneGroup::Zones && lane.index > 6)
                            || (lane.group == LaneGroup::Inputs && lane.index >= 3)
                            || (lane.group == LaneGroup::Units && lane.index >= 3);
        if (unused)
            window->setLaneShown(int(k), false);
    }
    TimelinePlot& plot = window->plot();
    plot.setView({start + 60000, start + 240000});
    plot.selectLane(0);
    plot.setCursor(start + 100 * 820);
    test::serveEventsFor(300);
    const bool saved = window->grab().save(path);
    if (!saved)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    window->close();
    return saved && saveCommissioningRecord(file, start, commissioningPath);
}

} // namespace q7582
