#pragma once

#include <QImage>
#include <QSize>

#include "SkinPalette.h"

namespace mousecfg::skin {

enum class ButtonState { Normal, Hover, Selected, Pressed };

// A button the program writes its caption on: page buttons, key labels, push
// buttons, the web button. No text is painted here.
QImage paintCaptionButton(QSize size, const SkinPalette& palette, ButtonState state, qreal radius);

}  // namespace mousecfg::skin
