#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mousecfg {

// mousectl led: shows the lighting settings and changes them as the Breathing Light
// page does.
int runLed(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace mousecfg
