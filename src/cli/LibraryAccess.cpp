#include "cli/LibraryAccess.h"

#include <algorithm>
#include <ostream>

#include "base/CloseNames.h"
#include "base/ProgramOptions.h"

namespace mousecfg {

MacroLibraryFile libraryFileFor(const CliContext& context) {
  return MacroLibraryFile(libraryFilePath(builtInProgramOptions().path, context.environment));
}

int loadLibrary(MacroLibraryFile& file, bool forChange, std::ostream& err) {
  const LibraryLoad load = file.CheckPCMacro();
  if (load.problem.empty()) return kExitOk;
  err << "mousectl: " << load.problem << '\n';
  return forChange && !file.savable() ? kExitFileError : kExitOk;
}

int saveLibrary(const MacroLibraryFile& file, std::ostream& err) {
  const std::string problem = file.RefreshPCMacro();
  if (problem.empty()) return kExitOk;
  err << "mousectl: " << problem << '\n';
  return kExitFileError;
}

std::optional<size_t> macroPosition(const std::vector<std::string>& names, const std::string& name,
                                    const char* holder, std::ostream& err) {
  const auto found = std::ranges::find(names, name);
  if (found != names.end()) return static_cast<size_t>(found - names.begin());
  err << "mousectl: " << holder << " holds no macro \"" << name << "\"\n";
  const std::vector<std::string> close = closeNames(name, names);
  if (!close.empty()) err << "did you mean \"" << close.front() << "\"?\n";
  return std::nullopt;
}

std::optional<size_t> libraryPosition(const MacroLibrary& library, const std::string& name,
                                      std::ostream& err) {
  return macroPosition(library.names(), name, "the macro library", err);
}

}  // namespace mousecfg
