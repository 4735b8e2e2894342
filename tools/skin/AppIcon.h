#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// "AppIcon": the application icon, 64 x 64, the mouse on a dark tile.
QImage paintAppIcon(const SkinPalette& palette);

}  // namespace mousecfg::skin
