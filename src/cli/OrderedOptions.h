#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace mousecfg {

// One use of an option on the command line, with its values.
struct OptionUse {
  std::string name;  // the option's long name, "--step"
  std::vector<std::string> values;
};

// The options of a parsed command in the order the user gave them, each use with its
// own values, for commands that carry out their options one after another.
std::vector<OptionUse> optionsInOrder(const CLI::App& command);

// Declares an option the user may give any number of times, each time followed by
// `valueCount` values named `valueNames` in the help ("LEVEL STEP"). Its uses come back
// from optionsInOrder.
void addRepeatedOption(CLI::App& command, const std::string& names, const std::string& valueNames,
                       int valueCount, const std::string& description);

}  // namespace mousecfg
