#pragma once

#include <string>

#include "cli/CliContext.h"

namespace CLI {
class App;
}

namespace mousecfg {

// The words of "engineer fire-macros add" and "delete".
struct FireMacroWords {
  std::string keepLeft;
  std::string start;
  std::string count;
  std::string colour;
  std::string number;  // delete: the code's position in the list, 1..10
};

void defineFireMacroOptions(CLI::App& add, CLI::App& remove, FireMacroWords& words);

// The fire macro codes of Fire Macro.bin, listed, added to and deleted from as the
// "  Gun Confirm  " tab does; an exit status.
int listFireMacros(bool json, const CliContext& context);
int addFireMacro(const FireMacroWords& words, bool json, const CliContext& context);
int deleteFireMacro(const FireMacroWords& words, bool json, const CliContext& context);

}  // namespace mousecfg
