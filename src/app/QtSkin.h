#pragma once

#include <QPixmap>
#include <QString>
#include <string_view>

#include "base/WindowLayout.h"

namespace mousecfg {

// The skin pictures built into the program. A picture of a set may exist in a variant
// per language ("L2_SetS_01"); without one the shared picture ("SetS_01") is used.
class QtSkin {
 public:
  static QPixmap picture(std::string_view name, int language = 0);
  static Size size(std::string_view name);
};

}  // namespace mousecfg
