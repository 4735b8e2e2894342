#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// The sizes the desktop's icon theme gets the application icon in.
inline constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// "AppIcon": the application icon, the mouse on a dark tile; 64 x 64 for the window,
// any square size for the icon theme.
QImage paintAppIcon(const SkinPalette& palette, int pixels = 64);

}  // namespace mousecfg::skin
