#pragma once

#include <iosfwd>

#include "Commands.h"

namespace mousecfg {

// mousectl buttons: both profiles' twelve entries and the nine combo keys, with names.
int runButtons(const Arguments& args, std::ostream& out, std::ostream& err);
// mousectl button N FUNCTION [--profile 1|2]: sets one button's function.
int runButton(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace mousecfg
