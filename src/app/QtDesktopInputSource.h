#pragma once

#include <memory>

#include "macros/InputSource.h"

namespace mousecfg {

// What the macro recorder hears in the window: the whole desktop on X11 with XInput 2,
// the window's own keys and clicks everywhere else.
std::unique_ptr<InputSource> makeDesktopInputSource();

}  // namespace mousecfg
