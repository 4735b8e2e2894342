#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

enum class FrameButtonKind { Exit, Minimise };
enum class FrameButtonState { Normal, Hover, Pressed };

// The exit and minimise buttons of the header ("ExitS_0n", "MinS_0n"), 32 x 32.
QImage paintFrameButton(FrameButtonKind kind, FrameButtonState state, const SkinPalette& palette);

}  // namespace mousecfg::skin
