#pragma once
// Display colours of the main window.

#include "ui/main/StatusRules.h"

#include <QColor>

namespace q7582::colours {

inline QColor lightGreen() { return QColor(0xC0, 0xFF, 0xC0); } // present, idle, off
inline QColor lightBlue() { return QColor(0xA0, 0xA0, 0xFF); }  // zone music flag
inline QColor lightRed() { return QColor(0xFF, 0xA0, 0xA0); }   // busy, active, on
inline QColor white() { return QColor(0xFF, 0xFF, 0xFF); }      // row present
// The one grey for absent rows (a window's active-border grey).
inline QColor absent() { return QColor(0xB4, 0xB4, 0xB4); }
inline QColor valueTag() { return QColor(0xFF, 0xFF, 0x80); }

inline QColor forCell(CellState s)
{
    switch (s) {
    case CellState::Idle:
        return lightGreen();
    case CellState::Music:
        return lightBlue();
    case CellState::Busy:
        return lightRed();
    case CellState::Absent:
        break;
    }
    return absent();
}

} // namespace q7582::colours
