#pragma once
// Rules of the shared zone/output grid and its two number boxes, over the byte image:
// the colour of a cell, what a click makes of it and which bits it leaves, the row
// toggle, the texts of the boxes and the silent repairs of the shown records.

#include "model/ConfigImage.h"

#include <QString>

namespace q7582 {

enum class CellColour { White, Green, Red };

// Zones: key, VOX and message event records. OutEvent: out events 1..63 (state and
// affect sets). Reset: the RESET out event, where every output is affected.
enum class GridKind { Zones, OutEvent, Reset };

// The record under the grid. For Zones `states` is the ZoneSet; `affects` is only
// set for OutEvent.
struct GridTarget {
    GridKind kind = GridKind::Zones;
    Byte* states = nullptr;
    Byte* affects = nullptr;

    static GridTarget zones(ZoneSet z) { return {GridKind::Zones, z.data(), nullptr}; }
    static GridTarget outEvent(OutEventRecord r) { return {GridKind::OutEvent, r.states().data(), r.affects().data()}; }
    static GridTarget reset(ResetOutEventRecord r) { return {GridKind::Reset, r.states().data(), nullptr}; }
};

inline constexpr int GridRows = 6;     // master address 0..5
inline constexpr int GridColumns = 36; // zone or output 1..36

// Colour of cell (master m, column z = 0..35) as the record says.
CellColour cellColour(const GridTarget& t, int m, int z);
// The colour a click turns `current` into.
CellColour nextCellColour(GridKind kind, CellColour current);
// A click on a cell shown as `current`: writes the bits of the new colour and returns it.
CellColour clickCell(const GridTarget& t, int m, int z, CellColour current);
// Row label click: all 36 set unless they all are, then all clear. Out event pages
// have no row toggle: false, nothing written.
bool toggleRow(const GridTarget& t, int m);

// Box texts.
QString messageNumberText(int n);  // "None" for 0
QString outputEventText(int code); // "None", number, "Master", "System"
bool outputEventOnRed(int code);   // the two RESET codes
// Dialog pre-fills: the box text with the names turned back into numbers.
QString messageNumberPrefill(const QString& boxText);
QString outputEventPrefill(const QString& boxText);

// Silent repairs made while a record is shown; each returns whether it wrote.
bool repairMessageNumber(KeyRecord r); // above 127 -> 0
bool repairOutputEvent(KeyRecord r);   // above 65 -> 0 (keys, VOX, message events)
bool repairOutputEvent(TimerEventRecord r);
bool repairVoxPriority(VoxRecord r); // 0 or above 7 -> 1
// Out events carry no numbers: bytes 0x1E and 0x1F are kept 0.
bool clearOutEventNumbers(Byte* record);

} // namespace q7582
