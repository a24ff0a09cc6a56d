#pragma once
// Rules of the IN/OUT logic page over the I/O line attribute bytes: how a line shows,
// and what each click writes. Line k = 0..35 is line k%6 of the card at address k/6.

#include "model/ConfigImage.h"
#include "ui/config/GridRules.h"

#include <optional>

namespace q7582 {

inline constexpr int IoLineCount = ConfigImage::IoCards * ConfigImage::IoLines;

inline Byte& ioLine(ConfigImage& image, int k) { return image.ioLineAttribute(k / 6, k % 6); }
inline Byte ioLine(const ConfigImage& image, int k) { return image.ioLineAttribute(k / 6, k % 6); }

struct InputShown {
    CellColour cell = CellColour::Green;
    bool rising = false;
    bool falling = false;
    int priority = 1;
    bool operator==(const InputShown&) const = default;
};

// How input k shows; a priority 0 is written back as 1 (a silent repair).
InputShown showInput(Byte& attribute);
CellColour outputColour(Byte attribute);

// Input cell click: green turns red (negative), red or white turn green (positive);
// either way the input goes back to level operation.
CellColour toggleInputLogic(Byte& attribute, CellColour current);
// Output cell click: green turns red (negative), anything else green.
CellColour toggleOutputLogic(Byte& attribute, CellColour current);

// An edge button after it changed state. Returns the cell's new colour when it changes:
// white when an edge goes down, green when the last edge goes up.
std::optional<CellColour> risingEdge(Byte& attribute, bool down, bool fallingDown);
std::optional<CellColour> fallingEdge(Byte& attribute, bool down, bool risingDown);

// Priority box click: 1..7 then 1 again, from the number the box shows.
int stepPriority(Byte& attribute, int shown);

// Row label clicks over all 36 lines: set the logic bit everywhere unless some line
// has it, then clear it everywhere. Edge bits are left alone.
void toggleInContacts(ConfigImage& image);
void toggleOutContacts(ConfigImage& image);

} // namespace q7582
