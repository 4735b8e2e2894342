#pragma once

#include <iosfwd>

#include "Commands.h"

namespace mousecfg {

// mousectl restore 1|2|3 --yes: writes built-in default configuration N to the mouse,
// restarts it and reads it back, as the window's "Confirm" buttons do.
int runRestore(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace mousecfg
