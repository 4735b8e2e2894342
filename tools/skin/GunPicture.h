#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// "GunN_01" (normal) and "GunN_02" (selected): a 96 x 64 tile with gun N's silhouette.
QImage paintGunPicture(const SkinPalette& palette, int gun, bool selected);

}  // namespace mousecfg::skin
