#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mousecfg {

// mousectl rate: shows the USB report rate or sets it as the Advanced page does; a new
// rate restarts the mouse and finds it again (about 17 seconds).
int runRate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace mousecfg
