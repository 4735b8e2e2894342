#pragma once

#include <QString>

namespace mousecfg::skin {

// Paints every picture of the catalogue into folder as NAME.png and writes the
// resource list skin.qrc beside them. Prints what failed; false when anything did.
bool writeSkin(const QString& folder);

}  // namespace mousecfg::skin
