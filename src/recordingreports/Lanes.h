#pragma once
// The lanes of a recording, grouped as the main window groups its panels and named
// with the site's names, and what each lane reads from a recorded state.

#include "recordingreports/RecordedState.h"
#include "settings/NameTables.h"

#include <QString>

#include <limits>
#include <vector>

namespace q7582 {

enum class LaneGroup { Zones, Inputs, Outputs, Units, Source, Levels, Vox, Clock, Connection };
inline constexpr int GroupCount = 9;

enum class LaneField {
    ZoneBusy,
    ZoneMusic,
    Input,
    Output,
    UnitPresent,
    UnitActive,
    ActiveSource,
    ActiveMessage,
    SpeechLevel,
    MusicLevel,
    SpeechInputLevel,
    MusicSourceLevel,
    VoxThreshold,
    VoxMeter,
    ClockOffset,
    Connection
};

// How the timeline draws a lane: on/off bars, a step plot, or labelled spans.
enum class LaneShape { OnOff, Step, Text };

// No value: no master connected, or the slave or card of the lane is absent.
inline constexpr qint64 NoValue = std::numeric_limits<qint64>::min();

struct Lane {
    LaneGroup group;
    LaneField field;
    int index; // zone 1..36, cell 0..35, unit address 0..15, level or VOX index
    QString name;
};

// Every lane, in the main window's order: zones, inputs, outputs, units, active source and
// message, levels, VOX, the clock, the connection.
std::vector<Lane> recordingLanes(const NameTables& names);

QString laneGroupName(LaneGroup group);
LaneShape laneShape(LaneField field);
// The step plots' range: 0..20 for the levels and VOX.
int laneMaximum(LaneField field);

qint64 laneValue(const Lane& lane, const RecordedState& state);
// False when no lane of the group can differ between the two masters' status: the bytes the
// group reads are the same (the clock's offset moves with the PC's time: always true).
bool groupMayDiffer(LaneGroup group, const StatusBlock& a, const StatusBlock& b);
// Differences a lane does not report: the master clock's offset from the PC wanders by a
// second between reads, so only a jump of two seconds or more is a change.
bool laneValuesDiffer(const Lane& lane, qint64 a, qint64 b);
QString laneValueText(const Lane& lane, qint64 value);

// The active source as its lane holds it: kind, priority and number; 0 for none.
qint64 activeSourceValue(const StatusBlock& status);
// As the main window names it: "Unit 3", "Input 5", "VOX 1", "Timer event 4", "Remote 2",
// with " (priority p)"; or "None".
QString activeSourceText(qint64 value);

} // namespace q7582
