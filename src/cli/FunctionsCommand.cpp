#include <ostream>

#include "base/LanguageTables.h"
#include "cli/Commands.h"
#include "settings/FunctionLookup.h"

namespace mousecfg {

int runFunctions(const Arguments& args, const CliContext& context) {
  if (wantsHelp(args)) {
    context.out << "usage: mousectl functions\n\nLists, one per line, every function of the "
                   "window's button menu by the name\n\"mousectl button\" takes. A name the "
                   "menu has twice is given with its group\n(\"Media/Stop\"). Macros stored in "
                   "the mouse are named by \"mousectl buttons\".\n";
    return kExitOk;
  }
  if (!args.empty()) {
    context.err << "usage: mousectl functions\n";
    return kExitUsage;
  }
  for (const std::string& text : functionItemTexts(LanguageTables::builtIn()))
    context.out << text << '\n';
  return kExitOk;
}

}  // namespace mousecfg
