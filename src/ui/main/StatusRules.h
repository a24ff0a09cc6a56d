#pragma once
// What the status display shows for a StatusBlock, and how the user's pending zone
// changes fold back into it. Plain functions: the window binds its widgets to them.

#include "model/BcdClock.h"
#include "model/Provenance.h"
#include "model/StatusBlock.h"
#include "ui/main/PendingChanges.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace q7582 {

// A zone, output or input cell. Zones use all four; outputs and inputs Absent, Idle, Busy.
enum class CellState { Absent, Idle, Music, Busy };

inline constexpr int GridCells = 36;
using ZoneCells = std::array<CellState, GridCells>;

// cell 0..35: slave cell / 6, zone bit cell % 6.
CellState zoneCellState(const StatusBlock& sb, int cell);
CellState outputCellState(const StatusBlock& sb, int cell);
CellState inputCellState(const StatusBlock& sb, int cell);

// Right click on a zone cell: green <-> blue. Returns false (and leaves it) for absent or busy.
bool toggleZoneCell(CellState& state);
// Green cells clear their music bit, blue ones set it, both set bit 6 of their slave byte.
void foldZoneCells(StatusBlock& sb, const ZoneCells& cells);

// The speech and music level sliders run downwards: the master's level is 20 - position.
bool levelSliderIsVertical(LiveParam slider);
int levelForSliderPosition(LiveParam slider, int position);
int sliderPositionForLevel(LiveParam slider, int level);
Byte levelByte(const StatusBlock& sb, LiveParam slider);
void setLevelByte(StatusBlock& sb, LiveParam slider, int level);

// The unit panel row of unit address u.
struct UnitRowView {
    bool connected = false;
    bool ioCard = false;
    QString lineText; // "B", "A", "3 / B"
};
UnitRowView unitRowView(const StatusBlock& sb, int unit);

struct ActiveSourceView {
    bool active = false;
    QString source;   // "Unit 3" .. or "None"
    QString priority; // empty when none
};
ActiveSourceView activeSourceView(const StatusBlock& sb);

struct ActiveMessageView {
    bool active = false;
    QString text; // "Message 12" or "-"
};
ActiveMessageView activeMessageView(const StatusBlock& sb);

// The master's clock as the address panel shows it; nothing for an impossible date.
struct ClockTexts {
    QString date;
    QString time;
};
std::optional<ClockTexts> clockTexts(const ClockTime& clock, const QLocale& locale);
// The PC's local time in the master's terms (weekday 1 = Monday .. 7 = Sunday).
ClockTime clockFromDateTime(const QDateTime& now);

// The summer-time button names the action of its next click; down = switching disabled.
QString summerTimeCaption(bool buttonDown);

// Status bar panel 3.
QString configurationCaption(const Provenance& p, bool generatorMode);

// Answers of the one-line dialogs.
bool validAddressAnswer(const QString& answer);
inline constexpr int MaxNameLength = 20;
// Under the prompt when a longer name brings the dialog back.
inline constexpr const char* NameTooLongLine = QT_TRANSLATE_NOOP("StatusRules", "Names are at most 20 characters.");
bool validNameAnswer(const QString& answer);

} // namespace q7582
