#pragma once
// Toggle buttons whose pressed state reads at a glance.

class QAbstractButton;

namespace q7582 {

// A checked button is drawn sunken on the highlight colour; released, it keeps the
// style's own face. Under Fusion a checked push button is only a shade darker.
void givePressedLook(QAbstractButton* button);

} // namespace q7582
