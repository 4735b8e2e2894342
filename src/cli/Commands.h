#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace mousecfg {

using Arguments = std::vector<std::string>;

// Each command takes the words after its name and returns the exit status.
int runList(const Arguments& args, std::ostream& out, std::ostream& err);
int runInfo(const Arguments& args, std::ostream& out, std::ostream& err);
int runRead(const Arguments& args, std::ostream& out, std::ostream& err);
int runCheck(const Arguments& args, std::ostream& out, std::ostream& err);

bool wantsHelp(const Arguments& args);

}  // namespace mousecfg
