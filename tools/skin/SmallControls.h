#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// "CbS_E" / "CbS_D": ticked and empty check box, 18 x 18.
QImage paintCheckBox(const SkinPalette& palette, bool checked);

// "RdS_E" / "RdS_D": chosen and unchosen radio, 18 x 18.
QImage paintRadio(const SkinPalette& palette, bool chosen);

// "Bar1_E" / "Bar1_D": slider groove lit and unlit, 300 x 8 (stretchable).
QImage paintGroove(const SkinPalette& palette, bool lit);

}  // namespace mousecfg::skin
