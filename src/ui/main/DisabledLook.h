#pragma once
// A widget that keeps pictures of its disabled look can draw them ahead. A transfer
// disables the whole window at once: prepareDisabledLookWhenIdle draws them while the
// program is idle after start, one widget per pass of the event loop, so that the first
// Upload copies them instead of drawing them all in one stall.

class QWidget;

namespace q7582 {

class DisabledLook {
public:
    // Draws the pictures the widget would draw on its first paint while disabled.
    virtual void prepareDisabledLook() = 0;

protected:
    ~DisabledLook() = default;
};

// Prepares the shown widgets of window that keep such pictures, once it is first active.
void prepareDisabledLookWhenIdle(QWidget& window);

} // namespace q7582
