#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mousecfg {

// mousectl dpi: shows the DPI levels, their steps and colours, the active level and the
// AIM DPI, and changes them as the Advanced page does.
int runDpi(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace mousecfg
