#pragma once
// The editor's small pictures, drawn once: the rising and falling edge of the IN/OUT
// logic buttons (ImgSu, ImgGiu) and the glyph of its help buttons.

#include <QPixmap>

namespace q7582::editorPictures {

const QPixmap& risingEdge();  // ImgSu
const QPixmap& fallingEdge(); // ImgGiu
const QPixmap& help();

} // namespace q7582::editorPictures
