#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/LibraryAccess.h"
#include "macros/MacroText.h"

namespace mousecfg {

namespace {

struct LibraryWords {
  std::string name;
  std::string newName;
  std::string file;
  std::string fromText;
};

enum class LibraryAction { New, Rename, Delete, Import, ImportAll, Export, ExportAll };

int tellChange(LibraryChange change, const std::string& name, std::ostream& err) {
  switch (change) {
    case LibraryChange::Done:
      return kExitOk;
    case LibraryChange::Duplicate:
      err << "mousectl: the library holds a macro \"" << name << "\" already\n";
      break;
    case LibraryChange::Full:
      err << "mousectl: the library is full\n";
      break;
    case LibraryChange::NoSuchEntry:
      err << "mousectl: the library holds no macro \"" << name << "\"\n";
      break;
    case LibraryChange::Unnamed:
      err << "mousectl: the file holds no macro name; nothing was imported\n";
      break;
    case LibraryChange::Unreadable:
      err << "mousectl: the macro file could not be read; nothing was imported\n";
      return kExitFileError;
  }
  return kExitNotApplied;
}

bool validName(const std::string& name, std::ostream& err) {
  if (!name.empty() && macro::decodeMacroName(macro::encodeMacroName(name)) == name) return true;
  err << "mousectl: a macro name has 1 to 8 characters, not \"" << name << "\"\n";
  return false;
}

// Reads the readable text of a new macro; the bytes, or an exit status after the error.
int readText(const std::string& path, const CliContext& context, std::vector<uint8_t>& bytes) {
  constexpr size_t kMaxTextBytes = 1 << 20;
  const FileContents file = readFileArgument(path, kMaxTextBytes, context);
  if (!file.ok) {
    context.err << "mousectl: " << file.error << '\n';
    return kExitFileError;
  }
  const MacroTextParse parse = parseMacroText(
      std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
  if (!parse.ok) {
    context.err << "mousectl: " << outputName(path) << ", " << parse.error << '\n';
    return kExitUsage;
  }
  bytes = parse.bytes;
  return kExitOk;
}

int newMacro(MacroLibrary& library, const LibraryWords& words, const CliContext& context) {
  if (!validName(words.name, context.err)) return kExitUsage;
  std::vector<uint8_t> body;
  if (!words.fromText.empty())
    if (const int status = readText(words.fromText, context, body); status != kExitOk)
      return status;
  if (const int status = tellChange(library.newMacro(words.name), words.name, context.err))
    return status;
  library.setBody(library.macroCount() - 1, body);
  return kExitOk;
}

int importFile(MacroLibrary& library, const LibraryWords& words, bool all,
               const CliContext& context) {
  // A single-macro import takes the leading part of any file up to a whole library.
  const size_t limit = macro_library::kLibraryLength;
  const FileContents file = readFileArgument(words.file, limit, context);
  if (!file.ok) {
    context.err << "mousectl: " << file.error << '\n';
    return kExitFileError;
  }
  if (all) {
    library.loadImage(file.bytes);
    return kExitOk;
  }
  macro::MacroNameBytes name{};
  std::copy_n(file.bytes.begin(), std::min(file.bytes.size(), name.size()), name.begin());
  return tellChange(library.importOne(file.bytes), macro::decodeMacroName(name), context.err);
}

int writeBytes(const std::string& path, std::span<const uint8_t> bytes, const CliContext& context) {
  const FileWritten written = writeFileArgument(path, bytes, context);
  if (written) return kExitOk;
  context.err << "mousectl: " << written.error << '\n';
  return kExitFileError;
}

int run(LibraryAction action, const LibraryWords& words, const CliContext& context) {
  const bool changes = action != LibraryAction::Export && action != LibraryAction::ExportAll;
  MacroLibraryFile file = libraryFileFor(context);
  if (const int status = loadLibrary(file, changes, context.err); status != kExitOk) return status;
  MacroLibrary& library = file.library();
  int status = kExitOk;
  switch (action) {
    case LibraryAction::New:
      status = newMacro(library, words, context);
      break;
    case LibraryAction::Rename: {
      const auto k = libraryPosition(library, words.name, context.err);
      if (!k) return kExitNotApplied;
      if (!validName(words.newName, context.err)) return kExitUsage;
      status = tellChange(library.rename(*k, words.newName), words.newName, context.err);
      break;
    }
    case LibraryAction::Delete: {
      const auto k = libraryPosition(library, words.name, context.err);
      if (!k) return kExitNotApplied;
      status = tellChange(library.deleteMacro(*k), words.name, context.err);
      break;
    }
    case LibraryAction::Import:
    case LibraryAction::ImportAll:
      status = importFile(library, words, action == LibraryAction::ImportAll, context);
      break;
    case LibraryAction::Export: {
      const auto k = libraryPosition(library, words.name, context.err);
      return k ? writeBytes(words.file, library.record(*k), context) : kExitNotApplied;
    }
    case LibraryAction::ExportAll:
      return writeBytes(words.file, library.image(), context);
  }
  if (status != kExitOk) return status;
  return saveLibrary(file, context.err);
}

}  // namespace

CommandRun defineLibrary(CLI::App& command, const CommonOptions&) {
  auto words = std::make_shared<LibraryWords>();
  auto action = std::make_shared<LibraryAction>(LibraryAction::New);
  command.require_subcommand(1);
  const auto sub = [&](const char* name, const char* summary, LibraryAction chosen) {
    CLI::App* s = command.add_subcommand(name, summary);
    s->callback([action, chosen] { *action = chosen; });
    return s;
  };
  const auto nameOf = [&](CLI::App* s) {
    s->add_option("NAME", words->name, "the macro's name")->required()->type_name("");
  };
  CLI::App* created =
      sub("new", "add an empty macro, or one from readable text", LibraryAction::New);
  nameOf(created);
  created
      ->add_option("--from-text", words->fromText,
                   "its events as readable text; - is "
                   "standard input")
      ->type_name("FILE");
  CLI::App* renamed = sub("rename", "give a macro a new name", LibraryAction::Rename);
  nameOf(renamed);
  renamed->add_option("NEW", words->newName, "the new name")->required()->type_name("");
  nameOf(sub("delete", "delete a macro; the later ones move up", LibraryAction::Delete));
  sub("import", "add the macro of a 272-byte macro file", LibraryAction::Import)
      ->add_option("FILE", words->file, "the macro file")
      ->required()
      ->type_name("");
  sub("import-all", "replace the library from a library file", LibraryAction::ImportAll)
      ->add_option("FILE", words->file, "the library file (27200 bytes)")
      ->required()
      ->type_name("");
  CLI::App* exported =
      sub("export", "write one macro as a 272-byte macro file", LibraryAction::Export);
  nameOf(exported);
  exported->add_option("-o,--output", words->file, "the file; - is standard output")
      ->required()
      ->type_name("FILE");
  sub("export-all", "write the whole library (27200 bytes)", LibraryAction::ExportAll)
      ->add_option("-o,--output", words->file, "the file; - is standard output")
      ->required()
      ->type_name("FILE");
  command.footer(
      "The PC macro library: up to 100 macros kept on this computer, in\n"
      "${XDG_DATA_HOME:-~/.local/share}/mousecfg/KVRM3180D-Macro.bin, saved whole after every\n"
      "change. \"mousectl macros\" lists it; \"mousectl macro add NAME\" puts a macro into\n"
      "the mouse. A file short of its size fills the leading part of what it is read into.\n"
      "The readable text of --from-text is described in docs/macro-text.md.");
  return [words, action](const CliContext& context) { return run(*action, *words, context); };
}

}  // namespace mousecfg
