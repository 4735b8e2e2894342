// Draws the window's skin pictures into resources/skin/ (or the given folder):
//   skin_generator [OUTPUT_FOLDER]
//   skin_generator --mockup LAYOUT_SOURCE_FOLDER OUTPUT_FOLDER
//   skin_generator --icons OUTPUT_FOLDER    (the icon theme's sizes, under hicolor/)
// Needs no display: run it with QT_QPA_PLATFORM=offscreen.
#include <QGuiApplication>
#include <cstdio>

#include "Mockup.h"
#include "SkinWriter.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = application.arguments().mid(1);
  if (arguments.size() == 2 && arguments[0] == "--icons")
    return mousecfg::skin::writeThemeIcons(arguments[1]) ? 0 : 1;
  if (arguments.size() == 3 && arguments[0] == "--mockup")
    return mousecfg::skin::writeMockups(arguments[1], arguments[2]) ? 0 : 1;
  if (arguments.size() <= 1 && !(arguments.size() == 1 && arguments[0].startsWith("-")))
    return mousecfg::skin::writeSkin(arguments.value(0, "resources/skin")) ? 0 : 1;
  std::fprintf(stderr,
               "usage: skin_generator [OUTPUT_FOLDER]\n"
               "       skin_generator --mockup LAYOUT_SOURCE_FOLDER OUTPUT_FOLDER\n"
               "       skin_generator --icons OUTPUT_FOLDER\n");
  return 2;
}
