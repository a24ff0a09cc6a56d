#include "recordingreports/Lanes.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cstdlib>

namespace q7582 {

namespace {

struct LaneText {
    Q_DECLARE_TR_FUNCTIONS(Lanes)
};

QString name36(const std::vector<std::string>& table, int cell)
{
    return QString::fromStdString(table.at(std::size_t(cell)));
}

void addLanes(std::vector<Lane>& lanes, LaneGroup group, LaneField field, int count, int first,
              const std::function<QString(int)>& name)
{
    for (int i = 0; i < count; ++i)
        lanes.push_back({group, field, first + i, name(first + i)});
}

const char* const SpeechInputLevels[] = {
    QT_TRANSLATE_NOOP("Lanes", "VOX 1 level"), QT_TRANSLATE_NOOP("Lanes", "VOX 2 level"),
    QT_TRANSLATE_NOOP("Lanes", "Message level"), QT_TRANSLATE_NOOP("Lanes", "Unit level"),
    QT_TRANSLATE_NOOP("Lanes", "Remote level")};

// The master's clock minus the PC's local time, in seconds; the PC's offset from UTC is
// looked up once per hour of recording, not per read.
qint64 clockOffset(const RecordedState& state)
{
    const ClockTime c = state.master.masterClock();
    if (!c.isValid())
        return NoValue;
    thread_local qint64 hour = -1, utcOffset = 0;
    const qint64 pcSeconds = state.pcTimeMs / 1000;
    if (pcSeconds / 3600 != hour) {
        hour = pcSeconds / 3600;
        utcOffset = QDateTime::fromSecsSinceEpoch(pcSeconds).offsetFromUtc();
    }
    constexpr qint64 Day = 86400, UnixEpochJulianDay = 2440588;
    const qint64 wall = (QDate(c.year, c.month, c.day).toJulianDay() - UnixEpochJulianDay) * Day + c.hour * 3600
                        + c.minute * 60 + c.second;
    return wall - (pcSeconds + utcOffset);
}

} // namespace

std::vector<Lane> recordingLanes(const NameTables& names)
{
    std::vector<Lane> lanes;
    for (int z = 1; z <= NameTables::Zones; ++z) {
        const QString zone = name36(names.zones, z - 1);
        lanes.push_back({LaneGroup::Zones, LaneField::ZoneBusy, z, zone});
        lanes.push_back({LaneGroup::Zones, LaneField::ZoneMusic, z, LaneText::tr("%1 music").arg(zone)});
    }
    addLanes(lanes, LaneGroup::Inputs, LaneField::Input, NameTables::Inputs, 0,
             [&](int c) { return name36(names.inputs, c); });
    addLanes(lanes, LaneGroup::Outputs, LaneField::Output, NameTables::Outputs, 0,
             [&](int c) { return name36(names.outputs, c); });
    for (int u = 0; u < NameTables::Units; ++u) {
        const QString unit = QString::fromStdString(names.unitCaption(u + 1));
        lanes.push_back({LaneGroup::Units, LaneField::UnitPresent, u, LaneText::tr("%1 present").arg(unit)});
        lanes.push_back({LaneGroup::Units, LaneField::UnitActive, u, LaneText::tr("%1 active").arg(unit)});
    }
    lanes.push_back({LaneGroup::Source, LaneField::ActiveSource, 0, LaneText::tr("Active source")});
    lanes.push_back({LaneGroup::Source, LaneField::ActiveMessage, 0, LaneText::tr("Active message")});
    lanes.push_back({LaneGroup::Levels, LaneField::SpeechLevel, 0, LaneText::tr("Speech level")});
    lanes.push_back({LaneGroup::Levels, LaneField::MusicLevel, 0, LaneText::tr("Music level")});
    addLanes(lanes, LaneGroup::Levels, LaneField::SpeechInputLevel, StatusBlock::SpeechInputCount, 0,
             [](int i) { return LaneText::tr(SpeechInputLevels[i]); });
    addLanes(lanes, LaneGroup::Levels, LaneField::MusicSourceLevel, StatusBlock::MusicSourceCount, 0,
             [&](int i) { return LaneText::tr("%1 level").arg(QString::fromStdString(names.musicName(i + 1))); });
    addLanes(lanes, LaneGroup::Vox, LaneField::VoxThreshold, 2, 0,
             [](int v) { return LaneText::tr("VOX %1 threshold").arg(v + 1); });
    addLanes(lanes, LaneGroup::Vox, LaneField::VoxMeter, 2, 0,
             [](int v) { return LaneText::tr("VOX %1 input").arg(v + 1); });
    lanes.push_back({LaneGroup::Clock, LaneField::ClockOffset, 0, LaneText::tr("Master clock")});
    lanes.push_back({LaneGroup::Connection, LaneField::Connection, 0, LaneText::tr("Connection")});
    return lanes;
}

QString laneGroupName(LaneGroup group)
{
    switch (group) {
    case LaneGroup::Zones:
        return LaneText::tr("Zones");
    case LaneGroup::Inputs:
        return LaneText::tr("Digital inputs");
    case LaneGroup::Outputs:
        return LaneText::tr("Digital outputs");
    case LaneGroup::Units:
        return LaneText::tr("Units");
    case LaneGroup::Source:
        return LaneText::tr("Active source");
    case LaneGroup::Levels:
        return LaneText::tr("Levels");
    case LaneGroup::Vox:
        return QStringLiteral("VOX");
    case LaneGroup::Clock:
        return LaneText::tr("Clock");
    case LaneGroup::Connection:
        return LaneText::tr("Connection");
    }
    return {};
}

LaneShape laneShape(LaneField field)
{
    switch (field) {
    case LaneField::ActiveSource:
    case LaneField::ActiveMessage:
    case LaneField::ClockOffset:
    case LaneField::Connection:
        return LaneShape::Text;
    case LaneField::SpeechLevel:
    case LaneField::MusicLevel:
    case LaneField::SpeechInputLevel:
    case LaneField::MusicSourceLevel:
    case LaneField::VoxThreshold:
    case LaneField::VoxMeter:
        return LaneShape::Step;
    default:
        return LaneShape::OnOff;
    }
}

int laneMaximum(LaneField field) { return laneShape(field) == LaneShape::Step ? StatusBlock::LevelMax : 1; }

qint64 laneValue(const Lane& lane, const RecordedState& state)
{
    if (lane.field == LaneField::Connection)
        return state.link == RecordedLink::Master ? qint64(8 * int(state.link) + state.master.masterAddress())
                                                  : qint64(8 * int(state.link));
    if (state.link != RecordedLink::Master)
        return NoValue;
    const StatusBlock& s = state.master;
    const int i = lane.index;
    switch (lane.field) {
    case LaneField::ZoneBusy:
    case LaneField::ZoneMusic: {
        const int slave = (i - 1) / 6;
        if (!s.slavePresent(slave))
            return NoValue;
        return lane.field == LaneField::ZoneBusy ? s.zoneBusy(i) : s.zoneMusic(slave, (i - 1) % 6);
    }
    case LaneField::Input:
        return s.ioRowPresent(i / 6) ? qint64(s.inputActive(i / 6, i % 6)) : NoValue;
    case LaneField::Output:
        return s.ioRowPresent(i / 6) ? qint64(s.outputActive(i / 6, i % 6)) : NoValue;
    case LaneField::UnitPresent:
        return s.unitConnected(i);
    case LaneField::UnitActive:
        return s.activeSourceKind() == StatusBlock::SourceUnit && s.activeSourceNumber() == i + 1;
    case LaneField::ActiveSource:
        return activeSourceValue(s);
    case LaneField::ActiveMessage:
        return s.activeMessage();
    case LaneField::SpeechLevel:
        return s.speechLevel();
    case LaneField::MusicLevel:
        return s.musicLevel();
    case LaneField::SpeechInputLevel:
        return s.speechInputLevel(i);
    case LaneField::MusicSourceLevel:
        return s.musicSourceLevel(i);
    case LaneField::VoxThreshold:
        return s.voxThreshold(i);
    case LaneField::VoxMeter:
        return s.voxInputMeter(i);
    case LaneField::ClockOffset:
        return clockOffset(state);
    case LaneField::Connection:
        break;
    }
    return NoValue;
}

bool groupMayDiffer(LaneGroup group, const StatusBlock& a, const StatusBlock& b)
{
    const auto differ = [&](int first, int end) {
        return !std::equal(a.bytes.begin() + first, a.bytes.begin() + end, b.bytes.begin() + first);
    };
    const int unitsEnd = StatusBlock::UnitInfo + StatusBlock::Units;
    switch (group) {
    case LaneGroup::Zones:
        return differ(StatusBlock::SlaveZones, StatusBlock::UnitInfo)
               || differ(StatusBlock::BusyZones, StatusBlock::BusyZones + 5);
    case LaneGroup::Inputs:
        return differ(StatusBlock::UnitInfo, unitsEnd)
               || differ(StatusBlock::InputStates, StatusBlock::InputStates + 5);
    case LaneGroup::Outputs:
        return differ(StatusBlock::UnitInfo, unitsEnd)
               || differ(StatusBlock::OutputStates, StatusBlock::OutputStates + 5);
    case LaneGroup::Units:
        return differ(StatusBlock::UnitInfo, unitsEnd) || differ(StatusBlock::ActiveSource, StatusBlock::ActiveMessage);
    case LaneGroup::Source:
        return differ(StatusBlock::ActiveSource, StatusBlock::MusicSelect);
    case LaneGroup::Levels:
        return differ(StatusBlock::SpeechLevel, StatusBlock::VoxThresholds);
    case LaneGroup::Vox:
        return differ(StatusBlock::VoxThresholds, StatusBlock::AddressChime)
               || differ(StatusBlock::VoxInputMeters, StatusBlock::InputStates);
    case LaneGroup::Clock:
        return true;
    case LaneGroup::Connection:
        return differ(StatusBlock::AddressChime, StatusBlock::SlaveZones);
    }
    return true;
}

bool laneValuesDiffer(const Lane& lane, qint64 a, qint64 b)
{
    if (lane.field != LaneField::ClockOffset || a == NoValue || b == NoValue)
        return a != b;
    return std::llabs(a - b) >= 2;
}

QString laneValueText(const Lane& lane, qint64 value)
{
    if (lane.field == LaneField::Connection) {
        switch (RecordedLink(value / 8)) {
        case RecordedLink::Unplugged:
            return LaneText::tr("Unplugged");
        case RecordedLink::Searching:
            return LaneText::tr("Searching");
        case RecordedLink::Master:
            return QStringLiteral("Master %1").arg(value % 8);
        case RecordedLink::Generator:
            return LaneText::tr("Generator");
        }
    }
    if (value == NoValue)
        return QStringLiteral("-");
    switch (laneShape(lane.field)) {
    case LaneShape::OnOff:
        return value ? LaneText::tr("on") : LaneText::tr("off");
    case LaneShape::Step:
        return QString::number(value);
    case LaneShape::Text:
        break;
    }
    if (lane.field == LaneField::ActiveSource)
        return activeSourceText(value);
    if (lane.field == LaneField::ActiveMessage)
        return value ? LaneText::tr("Message %1").arg(value) : QStringLiteral("-");
    return (value >= 0 ? QStringLiteral("PC +%1 s") : QStringLiteral("PC %1 s")).arg(value);
}

qint64 activeSourceValue(const StatusBlock& s)
{
    const int kind = s.activeSourceKind();
    if (kind < StatusBlock::SourceUnit || kind > StatusBlock::SourceRemote)
        return 0;
    return qint64(kind) << 16 | qint64(s.activeSourcePriority()) << 8 | s.activeSourceNumber();
}

QString activeSourceText(qint64 value)
{
    static const char* const kinds[] = {
        QT_TRANSLATE_NOOP("Lanes", "Unit %1 (priority %2)"), QT_TRANSLATE_NOOP("Lanes", "Input %1 (priority %2)"),
        QT_TRANSLATE_NOOP("Lanes", "VOX %1 (priority %2)"), QT_TRANSLATE_NOOP("Lanes", "Timer event %1 (priority %2)"),
        QT_TRANSLATE_NOOP("Lanes", "Remote %1 (priority %2)")};
    const int kind = int(value >> 16);
    if (kind < StatusBlock::SourceUnit || kind > StatusBlock::SourceRemote)
        return LaneText::tr("None", "no active source");
    return LaneText::tr(kinds[kind - 1]).arg(value & 0xFF).arg((value >> 8) & 0xFF);
}

} // namespace q7582
