#pragma once

#include <QImage>

#include "CaptionButton.h"
#include "SkinPalette.h"

namespace mousecfg::skin {

// The web button: a caption button carrying a globe, since it has no caption text.
QImage paintWebButton(const SkinPalette& palette, ButtonState state);

}  // namespace mousecfg::skin
