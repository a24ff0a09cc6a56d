#pragma once
// What the editor keeps while the program runs: the working copy, the modified flag
// and the selections, which survive closing and re-showing the window.

#include "model/ConfigImage.h"

#include <functional>

namespace q7582 {

enum EditorPage { PageUnits = 0, PageVox, PageMessages, PageOutEvents, PageTimers, PageInOut };

struct EditorSession {
    ConfigImage workingCopy;
    bool modified = false;
    int currentPage = PageUnits;
    int selectedUnit = 0;         // 0..15
    int selectedKey = 0;          // 0..38
    int selectedVox = 0;          // 0..1
    int selectedMessageEvent = 0; // 0..126
    int selectedOutEvent = 0;     // 0..63, 63 = RESET
    int selectedTimer = 0;        // 0..126

    // Called after each edit and each record shown (which may repair it): the window
    // gathers what one gesture changed into one undo step.
    std::function<void()> changed;

    void markModified()
    {
        modified = true;
        noteShown();
    }
    void noteShown()
    {
        if (changed)
            changed();
    }
    TimerEventRecord selectedTimerRecord() { return workingCopy.timer(selectedTimer + 1); }
};

} // namespace q7582
