#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// The page pictures "LN_Back1".."LN_Back6", 700 x 470, drawn at the
// content panel's origin. Each is the content card (transparent around it) with the
// page's own artwork; the strip below the card belongs to the window's footer.
QImage paintKeyPage(const SkinPalette& palette);       // Back1: the mouse and leader lines
QImage paintAdvancedPage(const SkinPalette& palette);  // Back2: DPI and system settings
QImage paintLightingPage(const SkinPalette& palette);  // Back3: effects, speed, colour
QImage paintMacroPage(const SkinPalette& palette);     // Back4: three list columns
QImage paintUpdatePage(const SkinPalette& palette);    // Back5: the firmware file, a chip
QImage paintGunPage(const SkinPalette& palette);       // Back6: the gun rack, the gun's settings

// An empty card picture: the base every page picture starts from.
QImage paintEmptyPage(const SkinPalette& palette);

}  // namespace mousecfg::skin
