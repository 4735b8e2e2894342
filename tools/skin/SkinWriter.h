#pragma once

#include <QString>

namespace mousecfg::skin {

// Paints every picture of the catalogue into folder as NAME.png and writes the
// resource list skin.qrc beside them. Prints what failed; false when anything did.
bool writeSkin(const QString& folder);
// Paints the application icon for the icon theme into
// folder/hicolor/NxN/apps/mousecfg.png, one file per size of kThemeIconSizes.
bool writeThemeIcons(const QString& folder);

}  // namespace mousecfg::skin
