#include <CLI/CLI.hpp>
#include <ostream>

#include "base/LanguageTables.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "settings/FunctionLookup.h"

namespace mousecfg {

CommandRun defineFunctions(CLI::App& command, const CommonOptions& common) {
  command.footer(
      "Lists, one per line, every function of the window's button menu by the name\n"
      "\"mousectl button\" takes. A name the menu has twice is given with its group\n"
      "(\"Media/Stop\"). Macros stored in the mouse are named by \"mousectl buttons\".");
  return [&common](const CliContext& context) {
    const std::vector<std::string> texts = functionItemTexts(LanguageTables::builtIn());
    if (common.json) {
      printJson(context.out, {{"functions", texts}});
      return kExitOk;
    }
    for (const std::string& text : texts) context.out << text << '\n';
    return kExitOk;
  };
}

}  // namespace mousecfg
