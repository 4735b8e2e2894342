#pragma once

#include <QPainterPath>

namespace mousecfg::skin {

// Stylised weapon silhouettes in an 88 x 40 box, muzzle to the right, one for each
// gun the mouse knows, in its order (AKM, M16, M4, UMP9, SCAR-L, Thompson, UZI):
// 1 assault rifle with a curved magazine, 2 long rifle with a carry handle,
// 3 carbine with a telescoping stock and a rail, 4 boxy submachine gun with a
// folding stock, 5 railed rifle with a tall receiver and a folding stock,
// 6 drum-fed submachine gun with a wooden stock and a fore grip, 7 compact
// submachine gun with the magazine in its grip. Other numbers give an empty path.
inline constexpr qreal kGunBoxWidth = 88;
inline constexpr qreal kGunBoxHeight = 40;
inline constexpr int kGunCount = 7;

QPainterPath gunShape(int gun);

}  // namespace mousecfg::skin
