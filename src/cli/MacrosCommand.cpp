#include <CLI/CLI.hpp>
#include <iomanip>
#include <ostream>

#include "base/HexText.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/LibraryAccess.h"

namespace mousecfg {

namespace {

void printText(const DeviceMacroBlock& block, const MacroLibraryFile& file, std::ostream& out) {
  out << "in the mouse: " << block.macroCount() << " of " << macro_block::kMaxMacros << " macros, "
      << block.totalLength() << " of " << macro_block::kRecordAreaLength << " bytes\n";
  const std::vector<std::string> names = block.names();
  for (size_t k = 0; k < names.size(); ++k)
    out << std::setw(4) << k + 1 << "  0x" << hexDigits(block.slot(k).startAddress, 4) << "  "
        << std::setw(3) << block.slot(k).eventBytes().size() << " bytes  " << names[k] << '\n';
  const MacroLibrary& library = file.library();
  out << "in the library (" << file.path() << "): " << library.macroCount() << " of "
      << macro_library::kSlotCount << " macros\n";
  const std::vector<std::string> libraryNames = library.names();
  for (size_t k = 0; k < libraryNames.size(); ++k)
    out << std::setw(4) << k + 1 << "  " << std::setw(3) << library.slot(k).length() << " bytes  "
        << libraryNames[k] << '\n';
}

Json macrosJson(const DeviceMacroBlock& block, const MacroLibraryFile& file) {
  Json device = Json::array();
  const std::vector<std::string> names = block.names();
  for (size_t k = 0; k < names.size(); ++k)
    device.push_back({{"name", names[k]},
                      {"start_address", block.slot(k).startAddress},
                      {"length", block.slot(k).eventBytes().size()}});
  Json library = Json::array();
  const std::vector<std::string> libraryNames = file.library().names();
  for (size_t k = 0; k < libraryNames.size(); ++k)
    library.push_back({{"name", libraryNames[k]}, {"length", file.library().slot(k).length()}});
  return {{"device", {{"bytes_used", block.totalLength()}, {"macros", device}}},
          {"library", {{"path", file.path()}, {"macros", library}}}};
}

}  // namespace

CommandRun defineMacros(CLI::App& command, const CommonOptions& common) {
  command.footer(
      "Lists the macros stored in the mouse, with the address by which a button plays each\n"
      "and the length of its events (end byte included), then the macros of the PC macro\n"
      "library, which \"mousectl macro add\" puts into the mouse.");
  return [&common](const CliContext& context) {
    CliSession session(context);
    if (const int status = session.connectAndRead(); status != kExitOk) return status;
    MacroLibraryFile& file = session.core().macroLibrary;
    (void)loadLibrary(file, false, context.err);
    if (common.json)
      printJson(context.out, macrosJson(session.link().macros, file));
    else
      printText(session.link().macros, file, context.out);
    return static_cast<int>(kExitOk);
  };
}

}  // namespace mousecfg
