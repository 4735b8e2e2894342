#pragma once

#include <string>

#include "base/Environment.h"
#include "macros/MacroLibrary.h"

namespace mousecfg {

namespace macro_library {
inline constexpr const char* kFileName = "KVRM3180D-Macro.bin";
}

// Where the library file lives: the layout's `Path` used as a prefix exactly as written
// (so it has to end with a separator), or without one the program's data folder,
// ${XDG_DATA_HOME:-~/.local/share}/mousecfg/. Empty when neither can be found.
std::string libraryFilePath(const std::string& layoutPath, const EnvironmentLookup& environment);

// The file a macro is exported to: the name entered in the file chooser with ".bin"
// appended, as the window always has (so "a.bin" becomes "a.bin.bin").
inline std::string macroFileName(const std::string& entered) {
  return entered + ".bin";
}

// What loading the library file did. `problem` tells the user what went wrong with the
// file; nothing in memory is lost for it.
struct [[nodiscard]] LibraryLoad {
  bool created = false;  // there was no file: the built-in default was written
  std::string problem;   // empty when the file was read (or created) as it should be
};

// The library and the file that mirrors it, whole, after every change.
class MacroLibraryFile {
 public:
  explicit MacroLibraryFile(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  MacroLibrary& library() { return library_; }
  const MacroLibrary& library() const { return library_; }

  // Reads the file, or creates it from the built-in default when there is none. A file
  // of the wrong size is read as far as it goes and rewritten whole at the next save.
  // A file that exists but cannot be read leaves the default in memory and is never
  // overwritten, so a passing fault cannot cost the macros it holds.
  LibraryLoad CheckPCMacro();
  // Writes the whole library through the safe saver (a crash never leaves half a
  // library). An error message for the user, empty on success.
  [[nodiscard]] std::string RefreshPCMacro() const;
  // Whether a save may be tried at all: there is a path, and the file was not unreadable.
  bool savable() const { return !path_.empty() && !unreadable_; }

 private:
  std::string path_;
  MacroLibrary library_;
  bool unreadable_ = false;
};

}  // namespace mousecfg
