#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// "LN_BackGround": the whole window, shaped by its alpha (rounded corners are
// transparent), with header, navigation column, empty content card and footer.
QImage paintWindowBackground(const SkinPalette& palette);

}  // namespace mousecfg::skin
