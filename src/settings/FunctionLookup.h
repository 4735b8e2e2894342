#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mousecfg {

class LanguageTables;

// A button function named in words, as mousectl takes it.
struct FunctionChoice {
  enum class Kind { MenuItem, Code, DeviceMacro, FireMacro };
  Kind kind = Kind::MenuItem;
  int id = 0;           // MenuItem: the item's identifier
  std::string code;     // Code: 8 upper-case hexadecimal digits
  size_t position = 0;  // DeviceMacro, FireMacro: position in its list
};

struct FunctionLookup {
  std::vector<FunctionChoice> matches;   // exactly one when the text was understood
  std::string problem;                   // why not, for the user
  std::vector<std::string> suggestions;  // texts that come close
};

// Finds the function a text names, without regard to case and to a leading menu
// marker ("*"): a function item of the menu ("DPI +"), an item qualified by its group
// where a text occurs twice ("Media/Stop"), a device macro name, a fire macro name, or
// an entry as 8 hexadecimal digits.
FunctionLookup lookUpFunction(std::string_view text, const LanguageTables& languages,
                              const std::vector<std::string>& macroNames,
                              const std::vector<std::string>& fireMacroNames);

// Every text lookUpFunction accepts for a menu item, qualified where needed.
std::vector<std::string> functionItemTexts(const LanguageTables& languages);

}  // namespace mousecfg
