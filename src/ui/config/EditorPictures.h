#pragma once
// The editor's small pictures, drawn once: the rising and falling edge of the IN/OUT
// logic buttons (ImgSu, ImgGiu).

#include <QPixmap>

namespace q7582::editorPictures {

const QPixmap& risingEdge();  // ImgSu
const QPixmap& fallingEdge(); // ImgGiu

} // namespace q7582::editorPictures
