#pragma once

#include <QImage>

#include "SkinPalette.h"

namespace mousecfg::skin {

// "Msg": the background of the program's dialogs, 420 x 260, shaped like the window.
QImage paintDialogBackground(const SkinPalette& palette);

}  // namespace mousecfg::skin
