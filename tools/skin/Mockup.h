#pragma once

#include <QString>

namespace mousecfg::skin {

// Composes the window as the program would show it (pictures placed by the layout
// sources in layoutFolder, captions in English) for every set and the pages 1..4,
// plus a contact sheet of all small pictures, as PNG files in outFolder.
bool writeMockups(const QString& layoutFolder, const QString& outFolder);

}  // namespace mousecfg::skin
