#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "base/CloseNames.h"
#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "cli/ArgumentValues.h"
#include "cli/ButtonFunctions.h"
#include "cli/ButtonRows.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/GunNames.h"
#include "settings/ButtonAssignment.h"
#include "settings/FunctionLookup.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

constexpr std::string_view kButtonDetails =
    R"(Sets the function of button N (1..12) of profile 1 ("Office Mode", the default) or
of profile 2 ("Game Mode") and writes both key tables to the mouse, as the key page
does.

FUNCTION is one of
  a function menu text, in any case: "DPI +", "Middle Key", "Volume +", "Key Off", ...
    (a text that occurs twice is written with its group: "Media/Stop");
    "mousectl functions" lists them all;
  the name of a macro stored in the mouse, or "macro:NAME" for nothing but that;
  "Fire Macro1".."Fire Macro10" when "Fire Macro.bin" is in the data folder,
    ${XDG_DATA_HOME:-~/.local/share}/mousecfg/;
  a gun preset, "AKM Fire".."UZI Fire" ("mousectl gun" lists them), on profile 2
    only, as the gun page's "Confirm" puts it; --keep-left on makes the gun keep the
    left key pressed;
  an entry as 8 hexadecimal digits, for example 02010400 (Ctrl+A).

Profile 1 must keep a "Left Key": a change that would leave it without one is refused
with exit status 6.)";

struct ButtonWords {
  std::string button;
  std::string profile = "1";
  std::string function;
  std::string keepLeft;
  bool keepLeftGiven = false;
};

// A number as the user wrote it, within [low, high].
std::optional<int> smallNumber(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<ButtonRequest> checkWords(const ButtonWords& words, std::ostream& err) {
  const std::optional<int> profile =
      smallNumber(words.profile, key_tables::kFirstProfile, key_tables::kLastProfile);
  if (!profile) {
    reportUsageMistake(err, "button",
                       "profile \"" + words.profile + "\" does not exist; use 1 or 2");
    return std::nullopt;
  }
  const std::optional<int> button = smallNumber(words.button, 1, key_tables::kButtonCount);
  if (!button) {
    reportUsageMistake(
        err, "button",
        "button \"" + words.button + "\" does not exist; buttons are numbered 1..12");
    return std::nullopt;
  }
  std::optional<bool> keepLeft;
  if (words.keepLeftGiven) {
    keepLeft = parseOnOffArgument(words.keepLeft);
    if (!keepLeft) {
      reportUsageMistake(err, "button",
                         "--keep-left takes on or off, not \"" + words.keepLeft + '"');
      return std::nullopt;
    }
  }
  return ButtonRequest{*button, *profile, words.function, keepLeft};
}

// A gun preset goes into the game-mode key table only, and --keep-left only with one;
// an exit status.
int checkGunWords(const ButtonRequest& request, bool gun, const ApplicationCore& state,
                  std::ostream& err) {
  if (gun && request.profile != key_tables::kLastProfile)
    return reportUsageMistake(err, "button",
                              '"' + request.function + "\" is a gun preset, a function of \"" +
                                  state.languages.text(langkey::menu::kGameMode) +
                                  "\": give it to a button of profile 2 (--profile 2)");
  if (!gun && request.keepLeft)
    return reportUsageMistake(err, "button",
                              "--keep-left goes with a gun preset (\"mousectl gun\" lists them)");
  return kExitOk;
}

// The key tables as the mouse now stores them must equal the program's copies.
bool tablesReadBack(DeviceLink& link) {
  std::array<uint8_t, image::kKeyTablesLength> stored{};
  if (!link.channel.BlockRead(image::kKeyTablesOffset, stored)) return false;
  return std::equal(link.image.profile1.begin(), link.image.profile1.end(), stored.begin()) &&
         std::equal(link.image.profile2.begin(), link.image.profile2.end(),
                    stored.begin() + image::kProfileLength);
}

int reportOutcome(ApplicationCore& state, const ButtonRequest& request, AssignOutcome outcome,
                  bool json, const CliContext& context) {
  DeviceLink& link = state.link;
  if (outcome == AssignOutcome::LeftKeyKept) {
    context.err << "mousectl button: button " << request.button
                << " is profile 1's only Left Key, and profile 1 must keep one; nothing was "
                   "changed\n";
    return kExitNotApplied;
  }
  if (outcome == AssignOutcome::Ignored) {
    context.err << "mousectl button: this function cannot be stored on this mouse (interface "
                   "type \""
                << link.connection.interfaceType << "\"); nothing was changed\n";
    return kExitNotApplied;
  }
  if (!state.assignment.lastWrite || !tablesReadBack(link)) {
    context.err << "mousectl button: the mouse did not store the new key tables\n";
    return kExitNoDevice;
  }
  const std::string& code = profileCode(link.codes, request.profile, request.button);
  const std::string name = state.assignment.nameOfCode(code);
  if (json) {
    Json row = {{"profile", request.profile}};
    row.update(buttonRowJson("button", request.button,
                             profileEntry(link.image, request.profile, request.button), code,
                             name));
    printJson(context.out, row);
  } else {
    context.out << "profile " << request.profile << " button " << request.button << ": " << name
                << " (" << code << ")\n";
  }
  return kExitOk;
}

void explainLookup(FunctionLookup lookup, const std::string& function,
                   const LanguageTables& languages, std::ostream& err) {
  for (const std::string& name : closeNames(function, gunNames(languages)))
    lookup.suggestions.push_back(name);
  err << "mousectl button: " << lookup.problem << '\n';
  if (!lookup.suggestions.empty()) {
    err << "did you mean:";
    for (const std::string& text : lookup.suggestions) err << " \"" << text << '"';
    err << '\n';
  }
  err << "Run \"mousectl functions\" for every function name, \"mousectl button --help\" for "
         "the accepted forms.\n";
}

int setButton(const ButtonWords& words, bool json, const CliContext& context) {
  const std::optional<ButtonRequest> request = checkWords(words, context.err);
  if (!request) return kExitUsage;
  CliSession session(context);
  ApplicationCore& state = session.core();
  const std::optional<int> gun = gunOfName(request->function, state.languages);
  if (const int status = checkGunWords(*request, gun.has_value(), state, context.err))
    return status;
  if (const int status = connectForButtons(session); status != kExitOk) return status;
  const FunctionLookup lookup = lookUpButtonFunction(state, *request);
  if (lookup.matches.size() != 1) {
    explainLookup(lookup, request->function, state.languages, context.err);
    return kExitUsage;
  }
  return reportOutcome(state, *request, assignButtonFunction(state, *request, lookup.matches[0]),
                       json, context);
}

}  // namespace

CommandRun defineButton(CLI::App& command, const CommonOptions& common) {
  auto words = std::make_shared<ButtonWords>();
  command.add_option("N", words->button, "the button, 1..12")->required();
  command.add_option("FUNCTION", words->function, "what the button does (see below)")->required();
  command.add_option("-p,--profile", words->profile, "1 (\"Office Mode\", the default) or 2")
      ->type_name("1|2");
  command.add_option("--keep-left", words->keepLeft, "a gun preset keeps the left key pressed")
      ->type_name("on|off")
      ->each([words](const std::string&) { words->keepLeftGiven = true; });
  command.footer(std::string(kButtonDetails));
  return [words, &common](const CliContext& context) {
    return setButton(*words, common.json, context);
  };
}

}  // namespace mousecfg
