#include "app/QtDesktopInputSource.h"

#include <QGuiApplication>

#include "app/QtRawInputSource.h"
#include "app/QtWindowInputSource.h"

namespace mousecfg {

namespace {
constexpr const char* kX11Platform = "xcb";
}

std::unique_ptr<InputSource> makeDesktopInputSource() {
  if (QGuiApplication::platformName() == QLatin1String(kX11Platform)) {
    if (auto raw = QtRawInputSource::open()) return raw;
  }
  return std::make_unique<QtWindowInputSource>();
}

}  // namespace mousecfg
