#pragma once
// The compiler's tool bar pictures. The style's own pictures for a page, a bin or a
// cross are grey or black, and its disabled rendering barely changes them: a live Add
// looked dead and a dead Close looked live. Here each picture has a mark of colour
// where it had none, and an explicit faded disabled form.

#include <QIcon>
#include <QStyle>

namespace q7582 {

enum class IconMark { None, Add, Remove };

QIcon toolBarIcon(const QStyle& style, QStyle::StandardPixmap picture, IconMark mark = IconMark::None);

// The disabled form: grey, light and half transparent, never dark nor coloured.
QImage fadedPicture(const QImage& picture);

} // namespace q7582
