#pragma once

#include <QPainterPath>

namespace mousecfg::skin {

// Stylised weapon silhouettes in an 88 x 40 box, muzzle to the right:
// 1 assault rifle, 2 carbine, 3 suppressed SMG, 4 pistol, 5 pump shotgun,
// 6 sniper rifle, 7 light machine gun. Other numbers give an empty path.
inline constexpr qreal kGunBoxWidth = 88;
inline constexpr qreal kGunBoxHeight = 40;
inline constexpr int kGunCount = 7;

QPainterPath gunShape(int gun);

}  // namespace mousecfg::skin
