#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>

#include "base/HexText.h"
#include "base/LanguageKeys.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/JsonOutput.h"
#include "cli/LibraryAccess.h"
#include "macros/EventLines.h"
#include "macros/MacroText.h"

namespace mousecfg {

namespace {

struct MacroWords {
  std::string name;
  bool device = false;  // the mouse's macro rather than the library's
  bool text = false;
  std::string output = "-";
};

// A macro's events with the end byte, from the mouse or the library.
struct FoundMacro {
  std::vector<uint8_t> events;
  macro::MacroNameBytes name{};
};

std::optional<size_t> devicePosition(const DeviceMacroBlock& block, const std::string& name,
                                     std::ostream& err) {
  return macroPosition(block.names(), name, "the mouse", err);
}

// Looks the macro up where the words say; an exit status when it is not there.
int findMacro(const MacroWords& words, const CliContext& context, FoundMacro& found) {
  if (words.device) {
    CliSession session(context);
    if (const int status = session.connectAndRead(); status != kExitOk) return status;
    const DeviceMacroBlock& block = session.link().macros;
    const auto k = devicePosition(block, words.name, context.err);
    if (!k) return kExitNotApplied;
    const MacroSlot& slot = block.slot(*k);
    found.name = slot.name;
    found.events.assign(slot.eventBytes().begin(), slot.eventBytes().end());
    return kExitOk;
  }
  MacroLibraryFile file = libraryFileFor(context);
  (void)loadLibrary(file, false, context.err);
  const auto k = libraryPosition(file.library(), words.name, context.err);
  if (!k) return kExitNotApplied;
  const LibrarySlot& slot = file.library().slot(*k);
  found.name = slot.name;
  found.events.assign(slot.body.begin(), slot.body.begin() + std::max<size_t>(slot.length(), 1));
  return kExitOk;
}

const char* repeatText(RepeatSetting repeat) {
  switch (repeat) {
    case RepeatSetting::UntilMacroEnd:
      return "until the macro ends";
    case RepeatSetting::UntilAnyKey:
      return "until any key is released";
    case RepeatSetting::Circles:
      return "a number of times";
    case RepeatSetting::UntilKeyReleased:
      break;
  }
  return "until the key is released";
}

int show(const MacroWords& words, bool json, const CliContext& context) {
  FoundMacro found;
  if (const int status = findMacro(words, context, found); status != kExitOk) return status;
  const std::span<const uint8_t> events(found.events.data(), found.events.size() - 1);
  const DecodedMacro decoded = decodeMacro(events);
  const MacroTextWrite text = writeMacroText(found.events, words.name);
  if (json) {
    Json lines = Json::array();
    for (size_t i = 1; i < decoded.lines.size(); ++i)
      lines.push_back({{"line", decoded.lines[i]}, {"shown", entryText(decoded.lines[i])}});
    printJson(context.out, {{"name", words.name},
                            {"bytes", byteArray(found.events)},
                            {"header", decoded.lines[0]},
                            {"events", lines},
                            {"text", text.ok ? Json(text.text) : Json()}});
    return kExitOk;
  }
  context.out << "macro \"" << words.name << "\", " << found.events.size()
              << " bytes: " << hexBytes(found.events) << '\n';
  context.out << "delay mode line " << decoded.lines[0] << ", repeats "
              << repeatText(decoded.settings.repeat);
  if (decoded.settings.repeat == RepeatSetting::Circles)
    context.out << " (" << decoded.settings.repeatCount << ")";
  context.out << "\nevent lines:\n";
  for (size_t i = 1; i < decoded.lines.size(); ++i)
    context.out << "  " << decoded.lines[i] << "    (" << entryText(decoded.lines[i]) << ")\n";
  context.out << "as text:\n" << (text.ok ? text.text : "  (none: " + text.error + ")\n");
  return kExitOk;
}

int exportMacro(const MacroWords& words, const CliContext& context) {
  FoundMacro found;
  if (const int status = findMacro(words, context, found); status != kExitOk) return status;
  if (words.text) {
    const MacroTextWrite text = writeMacroText(found.events, words.name);
    if (!text.ok) {
      context.err << "mousectl: macro \"" << words.name << "\" has no text form: " << text.error
                  << '\n';
      return kExitNotApplied;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.text.data());
    const FileWritten written =
        writeFileArgument(words.output, std::span(bytes, text.text.size()), context);
    if (!written) context.err << "mousectl: " << written.error << '\n';
    return written ? kExitOk : kExitFileError;
  }
  // The single-macro file: the 16 name bytes and the 256-byte body.
  std::array<uint8_t, macro_library::kRecordLength> record{};
  std::ranges::copy(found.name, record.begin());
  std::ranges::copy(found.events, record.begin() + macro::kNameLength);
  const FileWritten written = writeFileArgument(words.output, record, context);
  if (!written) context.err << "mousectl: " << written.error << '\n';
  return written ? kExitOk : kExitFileError;
}

int addToMouse(const MacroWords& words, const CliContext& context) {
  CliSession session(context);
  MacroLibraryFile& file = session.core().macroLibrary;
  (void)loadLibrary(file, false, context.err);
  const auto k = libraryPosition(file.library(), words.name, context.err);
  if (!k) return kExitNotApplied;
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  DeviceMacroEditing& editing = session.core().deviceMacros;
  switch (editing.addToMouse(file.library().slot(*k))) {
    case DeviceMacroChange::Duplicate:
      context.err << "mousectl: the mouse holds a macro \"" << words.name << "\" already\n";
      return kExitNotApplied;
    case DeviceMacroChange::TooLong:
      context.err << "mousectl: \"" << words.name << "\" does not fit: the mouse's macros may "
                  << "take " << macro_block::kRecordAreaLength << " bytes together\n";
      return kExitNotApplied;
    case DeviceMacroChange::Ignored:
      context.err << "mousectl: the mouse takes no more macros (it keeps "
                  << macro_block::kMaxMacros << ", on a memory that stores them)\n";
      return kExitNotApplied;
    case DeviceMacroChange::Written:
      break;
  }
  if (!editing.lastWrite.ok()) {
    context.err << "mousectl: the mouse did not take the new macro block\n";
    return kExitNoDevice;
  }
  const size_t added = session.link().macros.macroCount() - 1;
  context.out << "stored \"" << words.name << "\" in the mouse at 0x"
              << hexDigits(session.link().macros.slot(added).startAddress, 4) << '\n';
  return session.verifyWritten();
}

int deleteFromMouse(const MacroWords& words, const CliContext& context) {
  CliSession session(context);
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  const auto k = devicePosition(session.link().macros, words.name, context.err);
  if (!k) return kExitNotApplied;
  DeviceMacroEditing& editing = session.core().deviceMacros;
  if (editing.deleteMacro(*k) != DeviceMacroChange::Written || !editing.lastWrite.ok()) {
    context.err << "mousectl: the mouse did not take the new macro block\n";
    return kExitNoDevice;
  }
  context.out << "deleted \"" << words.name << "\" from the mouse; the buttons that played "
              << "it are now \"Key Off\"\n";
  return session.verifyWritten();
}

CLI::App* subcommand(CLI::App& command, const char* name, const char* summary, MacroWords& words) {
  CLI::App* sub = command.add_subcommand(name, summary);
  sub->add_option("NAME", words.name, "the macro's name")->required()->type_name("");
  sub->fallthrough();  // --json belongs to "macro" and may come after the subcommand
  return sub;
}

}  // namespace

CommandRun defineMacro(CLI::App& command, const CommonOptions& common) {
  auto words = std::make_shared<MacroWords>();
  command.require_subcommand(1);
  CLI::App* showCommand = subcommand(command, "show", "show a macro's events", *words);
  showCommand->add_flag("-d,--device", words->device, "the mouse's macro, not the library's");
  CLI::App* exportCommand = subcommand(command, "export", "write a macro to a file", *words);
  exportCommand->add_flag("-d,--device", words->device, "the mouse's macro, not the library's");
  exportCommand->add_flag("-t,--text", words->text, "as readable text (else the .bin record)");
  exportCommand
      ->add_option("-o,--output", words->output,
                   "the file; - (the default) is "
                   "standard output")
      ->type_name("FILE");
  CLI::App* addCommand = subcommand(command, "add", "put a library macro into the mouse", *words);
  CLI::App* deleteCommand = subcommand(command, "delete", "delete a macro from the mouse", *words);
  command.footer(
      "show: the macro's bytes, its event lines as the macro page lists them, and its\n"
      "readable text. export: the 272-byte macro file, or with --text the readable text\n"
      "(docs/macro-text.md). add: as the library's \"Add to Mouse\", buttons keep their\n"
      "macros. delete: as the device list's \"Delect Macro\"; buttons that played it\n"
      "become \"Key Off\", the others follow their macros to their new addresses.");
  return [=, &common](const CliContext& context) {
    if (showCommand->parsed()) return show(*words, common.json, context);
    if (exportCommand->parsed()) return exportMacro(*words, context);
    if (addCommand->parsed()) return addToMouse(*words, context);
    if (deleteCommand->parsed()) return deleteFromMouse(*words, context);
    return static_cast<int>(kExitUsage);
  };
}

}  // namespace mousecfg
