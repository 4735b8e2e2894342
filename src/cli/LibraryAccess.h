#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "macros/LibraryFile.h"

namespace mousecfg {

// The PC macro library as the macro commands use it: where the window keeps it.
MacroLibraryFile libraryFileFor(const CliContext& context);

// Reads it for a command; a problem with the file is told on `err`. A command that
// would save the library stops (kExitFileError) when the file could not be read;
// one that only looks goes on with what was read.
int loadLibrary(MacroLibraryFile& file, bool forChange, std::ostream& err);
// Saves it; kExitFileError, with the reason, when that failed.
int saveLibrary(const MacroLibraryFile& file, std::ostream& err);

// The position of a macro in a list of names; tells the user, with a close name, when
// there is none. `holder` says whose list it is ("the macro library", "the mouse").
std::optional<size_t> macroPosition(const std::vector<std::string>& names, const std::string& name,
                                    const char* holder, std::ostream& err);
std::optional<size_t> libraryPosition(const MacroLibrary& library, const std::string& name,
                                      std::ostream& err);

}  // namespace mousecfg
