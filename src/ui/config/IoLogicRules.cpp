#include "ui/config/IoLogicRules.h"

namespace q7582 {

namespace {

constexpr Byte Rising = 0x10;
constexpr Byte Falling = 0x20;

void setBits(Byte& a, Byte bits, bool on) { a = on ? Byte(a | bits) : Byte(a & ~bits); }

// Adds or removes one edge; returns the cell's new colour when it changes.
std::optional<CellColour> edge(Byte& a, Byte bit, bool down, bool otherDown)
{
    if (down) {
        setBits(a, IoLine::InputNegative, false);
        setBits(a, bit, true);
        return CellColour::White;
    }
    setBits(a, bit, false);
    if (otherDown)
        return std::nullopt;
    setBits(a, IoLine::InputNegative, false);
    return CellColour::Green;
}

void toggleColumn(ConfigImage& image, Byte bit)
{
    bool any = false;
    for (int k = 0; k < IoLineCount; ++k)
        any = any || (ioLine(image, k) & bit);
    for (int k = 0; k < IoLineCount; ++k)
        setBits(ioLine(image, k), bit, !any);
}

} // namespace

InputShown showInput(Byte& a)
{
    InputShown s;
    if (IoLine::transition(a) != 0) {
        s.cell = CellColour::White;
        s.rising = a & Rising;
        s.falling = a & Falling;
    } else {
        s.cell = IoLine::inputNegative(a) ? CellColour::Red : CellColour::Green;
    }
    if (IoLine::priority(a) == 0)
        a = Byte(a | 1);
    s.priority = IoLine::priority(a);
    return s;
}

CellColour outputColour(Byte a) { return IoLine::outputNegative(a) ? CellColour::Red : CellColour::Green; }

CellColour toggleInputLogic(Byte& a, CellColour current)
{
    const CellColour next = current == CellColour::Green ? CellColour::Red : CellColour::Green;
    setBits(a, IoLine::InputNegative, next == CellColour::Red);
    setBits(a, IoLine::TransitionMask, false);
    return next;
}

CellColour toggleOutputLogic(Byte& a, CellColour current)
{
    const CellColour next = current == CellColour::Green ? CellColour::Red : CellColour::Green;
    setBits(a, IoLine::OutputNegative, next == CellColour::Red);
    return next;
}

std::optional<CellColour> risingEdge(Byte& a, bool down, bool fallingDown)
{
    return edge(a, Rising, down, fallingDown);
}

std::optional<CellColour> fallingEdge(Byte& a, bool down, bool risingDown)
{
    return edge(a, Falling, down, risingDown);
}

int stepPriority(Byte& a, int shown)
{
    const int next = shown >= 7 || shown < 1 ? 1 : shown + 1;
    a = Byte((a & ~IoLine::PriorityMask) | next);
    return next;
}

void toggleInContacts(ConfigImage& image) { toggleColumn(image, IoLine::InputNegative); }

void toggleOutContacts(ConfigImage& image) { toggleColumn(image, IoLine::OutputNegative); }

} // namespace q7582
