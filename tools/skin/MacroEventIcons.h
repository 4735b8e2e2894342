#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// Event-line kinds, by the line's first digit: 0 delay, 1 press, 2 release, 3 pointer
// movement, 4..6 passed through unchanged, 7 start and 8 end of a repeated block.
inline constexpr int kMacroEventKindCount = 9;

// "MacroEventN": the 20 x 20 icon the macro page's event list shows before a line of
// kind N, drawn for the list's well colour of the palette's set.
QImage paintMacroEventIcon(const SkinPalette& palette, int kind);

}  // namespace mousecfg::skin
