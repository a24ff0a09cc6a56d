#pragma once
// What the editor keeps while the program runs: the working copy, the modified flag
// and the selections, which survive closing and re-showing the window.

#include "model/ConfigImage.h"

namespace q7582 {

enum EditorPage { PageUnits = 0, PageVox, PageMessages, PageOutEvents, PageTimers, PageInOut };

struct EditorSession {
    ConfigImage WorkingCopy;
    bool ModifiedFlag = false;
    int CurrentPage = PageUnits;
    int SelectedUnit = 0;         // 0..15
    int SelectedKey = 0;          // 0..38
    int SelectedVox = 0;          // 0..1
    int SelectedMessageEvent = 0; // 0..126
    int SelectedOutEvent = 0;     // 0..63, 63 = RESET
    int SelectedTimer = 0;        // 0..126

    void markModified() { ModifiedFlag = true; }
};

} // namespace q7582
