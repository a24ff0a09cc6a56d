#pragma once
// Where the help window goes, as plain rectangle arithmetic. Every rectangle is a
// window's frame (title bar included) in screen coordinates; screen is the available
// part of the screen the caller is on.

#include <QRect>
#include <QSize>

namespace q7582::helpPlacement {

// The gap left between the help window and the window it opens beside.
inline constexpr int Gap = 8;

// The frame moved, and shrunk when larger than the screen, so that it lies wholly on it.
QRect onScreen(QRect frame, const QRect& screen);

// Beside the anchor, top edges level: to its right when that fits on the screen, else
// to its left, else over it but wholly on screen.
QRect beside(const QSize& frame, const QRect& anchor, const QRect& screen);

// Over a modal caller, inset from its top right corner so that its title stays in
// sight, wholly on screen.
QRect over(const QSize& frame, const QRect& caller, const QRect& screen);

} // namespace q7582::helpPlacement
