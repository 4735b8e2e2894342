#include "macros/LibraryFile.h"

#include <cerrno>
#include <filesystem>

#include "base/WholeFile.h"

namespace mousecfg {

namespace fs = std::filesystem;
using namespace macro_library;

std::string libraryFilePath(const std::string& layoutPath, const EnvironmentLookup& environment) {
  if (!layoutPath.empty()) return layoutPath + kFileName;
  fs::path folder;
  const std::optional<std::string> dataHome = environment("XDG_DATA_HOME");
  if (dataHome && fs::path(*dataHome).is_absolute()) {
    folder = *dataHome;
  } else if (const std::optional<std::string> home = environment("HOME"); home && !home->empty()) {
    folder = fs::path(*home) / ".local" / "share";
  } else {
    return {};
  }
  return (folder / "mousecfg" / kFileName).string();
}

namespace {

constexpr const char* kNoFolder =
    "no folder for the macro library (neither XDG_DATA_HOME nor HOME is set)";

}  // namespace

LibraryLoad MacroLibraryFile::CheckPCMacro() {
  library_ = MacroLibrary();
  unreadable_ = false;
  LibraryLoad load;
  if (path_.empty()) {
    load.problem = kNoFolder;
    return load;
  }
  const FileContents file = readWholeFile(path_, kLibraryLength, ReadFrom::RegularFileOnly);
  if (file.ok) {
    library_.loadImage(file.bytes);
    if (file.bytes.size() != kLibraryLength)
      load.problem = path_ + " holds " + std::to_string(file.bytes.size()) + " bytes, not the " +
                     std::to_string(kLibraryLength) +
                     " of a macro library; the macros in it were read, and the file is "
                     "written whole at the next change";
    return load;
  }
  if (file.systemError != ENOENT) {
    unreadable_ = true;
    load.problem = file.error +
                   "; the macro library starts empty and the file is left as it is until the "
                   "program is started again";
    return load;
  }
  load.created = true;
  load.problem = RefreshPCMacro();
  return load;
}

std::string MacroLibraryFile::RefreshPCMacro() const {
  if (path_.empty()) return kNoFolder;
  if (unreadable_)
    return "the macro library was not saved: " + path_ +
           " could not be read at start-up, and saving would overwrite it";
  std::error_code error;
  const fs::path folder = fs::path(path_).parent_path();
  if (!folder.empty()) fs::create_directories(folder, error);
  if (error) return "cannot create " + folder.string() + ": " + error.message();
  const FileWritten written = writeWholeFile(path_, library_.image());
  return written ? std::string() : written.error;
}

}  // namespace mousecfg
