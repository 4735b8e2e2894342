#include "cli/EngineerFireMacros.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <ostream>

#include "base/CloseNames.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/CommandDefinition.h"
#include "cli/JsonOutput.h"
#include "fire/FireMacroScripts.h"

namespace mousecfg {

using namespace fire_macro;

namespace {

constexpr const char* kCommand = "engineer fire-macros";
constexpr int kMaxCodes = static_cast<int>(kCountItems.size());

void printCodes(const FireMacroScripts& scripts, bool json, std::ostream& out) {
  const std::vector<std::string> names = scripts.LB_ScriptName();
  if (json) {
    Json codes = Json::array();
    for (size_t i = 0; i < names.size(); ++i)
      codes.push_back({{"number", i + 1},
                       {"name", names[i]},
                       {"code", scripts.codeString(static_cast<int>(i) + 1)}});
    printJson(out, {{"file", scripts.filePath()}, {"fire_macros", codes}});
    return;
  }
  if (names.empty()) out << "no fire macro codes\n";
  for (size_t i = 0; i < names.size(); ++i)
    out << names[i] << "  " << scripts.codeString(static_cast<int>(i) + 1) << '\n';
}

// The colour item named by its text, or nullopt after telling the user.
std::optional<int> colourItem(const std::string& text, std::string& error) {
  std::vector<std::string> items(kColourItems.begin(), kColourItems.end());
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].size() == text.size() && std::equal(items[i].begin(), items[i].end(), text.begin(),
                                                     [](unsigned char a, unsigned char b) {
                                                       return std::tolower(a) == std::tolower(b);
                                                     }))
      return static_cast<int>(i);
  error = "--colour takes one of";
  for (const std::string& item : items) error += " \"" + item + "\"";
  error += ", not \"" + text + '"';
  const std::vector<std::string> close = closeNames(text, items);
  if (!close.empty()) error += "\ndid you mean \"" + close.front() + "\"?";
  return std::nullopt;
}

// Sets the editor's lists from the words; an error message, empty when they are fine.
std::string chooseForm(const FireMacroWords& words, FireMacroScripts& scripts) {
  std::string error;
  if (!words.colour.empty()) {
    if (!words.keepLeft.empty() || !words.start.empty() || !words.count.empty())
      return "--colour makes a colour code; it takes no --keep-left, --start or --count";
    const std::optional<int> item = colourItem(words.colour, error);
    if (!item) return error;
    scripts.cb_SOSTypeChange(kColourForm);
    scripts.cb_SOSColor = *item;
    return {};
  }
  scripts.cb_SOSTypeChange(kGunForm);
  if (!words.keepLeft.empty()) {
    const std::optional<bool> keep = parseOnOffArgument(words.keepLeft);
    if (!keep) return "--keep-left takes on or off, not \"" + words.keepLeft + '"';
    scripts.cb_SOSLB = *keep ? kKeepLeftOn : 0;
  }
  if (!words.start.empty()) {
    const std::optional<int> start = parseNumberArgument(words.start, 1, kMaxCodes);
    if (!start) return "--start takes 1..10, not \"" + words.start + '"';
    scripts.cb_SOSStartIndex = *start - 1;
  }
  if (!words.count.empty()) {
    const std::optional<int> count = parseNumberArgument(words.count, 1, kMaxCodes);
    if (!count) return "--count takes 1..10, not \"" + words.count + '"';
    scripts.cb_SOSNumber = *count - 1;
  }
  return {};
}

int finish(const ScriptTableChange& change, const FireMacroScripts& scripts, bool json,
           const CliContext& context) {
  if (!change.problem.empty()) {
    context.err << "mousectl " << kCommand << ": " << change.problem << '\n';
    return kExitFileError;
  }
  printCodes(scripts, json, context.out);
  return kExitOk;
}

}  // namespace

void defineFireMacroOptions(CLI::App& add, CLI::App& remove, FireMacroWords& words) {
  add.add_option("--keep-left", words.keepLeft, "keep the left key pressed (default on)")
      ->type_name("on|off");
  add.add_option("--start", words.start, "the first gun preset, 1..10 (default 1)")->type_name("N");
  add.add_option("--count", words.count, "the number of presets, 1..10 (default 1)")
      ->type_name("N");
  add.add_option("--colour,--color", words.colour, "a colour code instead: \"LED Color1\"..")
      ->type_name("ITEM");
  remove.add_option("N", words.number, "the code's number in the list, 1..10")
      ->required()
      ->type_name("");
}

int listFireMacros(bool json, const CliContext& context) {
  CliSession session(context);
  FireMacroScripts& scripts = session.core().fireMacroScripts;
  scripts.loadAtStartup();
  printCodes(scripts, json, context.out);
  return kExitOk;
}

int addFireMacro(const FireMacroWords& words, bool json, const CliContext& context) {
  CliSession session(context);
  FireMacroScripts& scripts = session.core().fireMacroScripts;
  scripts.loadAtStartup();
  if (const std::string error = chooseForm(words, scripts); !error.empty())
    return reportUsageMistake(context.err, kCommand, error);
  const ScriptTableChange change = scripts.btn_AddScriptClick();
  if (!change.changed) {
    context.err << "mousectl " << kCommand << ": the table holds ten codes already\n";
    return kExitNotApplied;
  }
  return finish(change, scripts, json, context);
}

int deleteFireMacro(const FireMacroWords& words, bool json, const CliContext& context) {
  CliSession session(context);
  FireMacroScripts& scripts = session.core().fireMacroScripts;
  scripts.loadAtStartup();
  const int listed = static_cast<int>(scripts.LB_ScriptName().size());
  const std::optional<int> number = parseNumberArgument(words.number, 1, kMaxCodes);
  if (!number || *number > listed)
    return reportUsageMistake(
        context.err, kCommand,
        "no fire macro code \"" + words.number + "\"; the list holds " + std::to_string(listed));
  scripts.LB_ScriptNameClick(static_cast<size_t>(*number - 1));
  return finish(scripts.btn_DelScriptClick(), scripts, json, context);
}

}  // namespace mousecfg
