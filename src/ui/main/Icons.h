#pragma once
// The window's small pictures, drawn once: connection states (ILconn) and unit kinds
// (ILunit); and the program's icon, the PNGs the desktop shows too (packaging/icons).

#include <QIcon>
#include <QPixmap>

namespace q7582::icons {

enum ConnectionImage { ConnSearching = 0, ConnConnected = 1, ConnNotConnected = 2 };
enum UnitImage { UnitIoCard = 0, UnitDeskMicrophone = 1 };

// Drawn for a device pixel ratio: `ratio` device pixels to each of the picture's own.
const QPixmap& connection(int image, qreal ratio); // ILconn
const QPixmap& unit(int image, qreal ratio);       // ILunit
// The program's icon, the one the desktop shows (About box, window icon).
const QIcon& logo();

} // namespace q7582::icons
