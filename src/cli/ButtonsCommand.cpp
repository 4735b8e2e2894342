#include "cli/Commands.h"

#include <filesystem>
#include <iomanip>
#include <ostream>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "base/ProgramOptions.h"
#include "cli/CliSession.h"
#include "settings/ButtonAssignment.h"
#include "settings/FunctionLookup.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

constexpr std::string_view kButtonsHelp =
    R"(usage: mousectl buttons

Reads the mouse's configuration and lists the function of each of the twelve buttons
of profile 1 ("Office Mode") and profile 2 ("Game Mode"), and of the nine combo keys:
the entry as 8 hexadecimal digits and its name as the window shows it. The profile the
mouse is in is marked "active".
)";

constexpr std::string_view kButtonHelp =
    R"(usage: mousectl button N FUNCTION [--profile 1|2]

Sets the function of button N (1..12) of profile 1 ("Office Mode", the default) or of
profile 2 ("Game Mode") and writes both key tables to the mouse, as the key page does.

FUNCTION is one of
  a function menu text, in any case: "DPI +", "Middle Key", "Volume +", "Key Off", ...
    (a text that occurs twice is written with its group: "Media/Stop");
  the name of a macro stored in the mouse;
  "Fire Macro1".."Fire Macro10" when "Fire Macro.bin" lies beside mousectl;
  an entry as 8 hexadecimal digits, for example 02010400 (Ctrl+A).

Profile 1 must keep a "Left Key": a change that would leave it without one is refused.
)";

constexpr const char* kButtonUsage = "usage: mousectl button N FUNCTION [--profile 1|2]\n";

struct ButtonRequest {
  int button = 0;
  int profile = 1;
  std::string function;
};

std::optional<int> smallNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Arguments in any order: N, FUNCTION and "--profile P" / "--profile=P".
std::optional<ButtonRequest> parseButtonRequest(const Arguments& args, std::ostream& err) {
  ButtonRequest request;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string profileText;
    if (args[i] == "--profile" || args[i] == "-p") {
      if (i + 1 == args.size()) {
        err << "mousectl: --profile needs 1 or 2\n" << kButtonUsage;
        return std::nullopt;
      }
      profileText = args[++i];
    } else if (args[i].rfind("--profile=", 0) == 0) {
      profileText = args[i].substr(10);
    } else {
      words.push_back(args[i]);
      continue;
    }
    const std::optional<int> profile = smallNumber(profileText);
    if (!profile || !key_tables::isProfile(*profile)) {
      err << "mousectl: profile \"" << profileText << "\" does not exist; use 1 or 2\n";
      return std::nullopt;
    }
    request.profile = *profile;
  }
  if (words.size() != 2) {
    err << kButtonUsage;
    return std::nullopt;
  }
  const std::optional<int> button = smallNumber(words[0]);
  if (!button || !key_tables::isButton(*button)) {
    err << "mousectl: button \"" << words[0] << "\" does not exist; buttons are numbered 1..12\n";
    return std::nullopt;
  }
  request.button = *button;
  request.function = words[1];
  return request;
}

std::string programFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : self.parent_path().string();
}

// Reads the mouse's configuration; the fire macro codes beside mousectl name the gun
// buttons, so they are loaded first.
int connectForButtons(CliSession& session) {
  session.core().assignment.fireMacros = readFireMacroCodeSet(
      (std::filesystem::path(programFolder()) / fire_macro::kFileName).string());
  return session.connect(true);
}

void printRow(std::ostream& out, int number, const std::string& code, const std::string& name) {
  out << std::setw(4) << number << "  " << code << "  " << name << '\n';
}

int activeProfile(const DeviceLink& link) {
  const uint8_t code = image::activeProfileCode(link.image.user[image::kUserActiveProfile]);
  return code == image::kProfile1Code ? 1 : 2;
}

void printProfile(std::ostream& out, ApplicationCore& state, int profile) {
  DeviceLink& link = state.link;
  const char* const modeKey = profile == 1 ? langkey::menu::kOfficeMode : langkey::menu::kGameMode;
  out << "profile " << profile << " (" << state.languages.text(modeKey) << ")"
      << (activeProfile(link) == profile ? ", active" : "") << ":\n";
  const auto names = state.assignment.profileNames(profile);
  for (int k = 1; k <= key_tables::kButtonCount; ++k)
    printRow(out, k, profileCode(link.codes, profile, k), names[static_cast<size_t>(k - 1)]);
}

// The choice, made through the same menu path as the window's key page.
AssignOutcome assign(ApplicationCore& state, const ButtonRequest& request,
                     const FunctionChoice& choice) {
  ButtonAssignment& assignment = state.assignment;
  assignment.setEditedProfile(request.profile);
  // The menu path refuses with a message; the list paths of the window refuse silently.
  const bool listChoice = choice.kind == FunctionChoice::Kind::DeviceMacro ||
                          choice.kind == FunctionChoice::Kind::FireMacro;
  const bool onlyLeftKey = request.profile == 1 && assignment.leftKeyLabelCount() == 1 &&
                           assignment.keyCaptions[static_cast<size_t>(request.button - 1)] ==
                               state.languages.text(langkey::menu::kLeftKey);
  if (listChoice && onlyLeftKey) return AssignOutcome::LeftKeyKept;
  if (choice.kind == FunctionChoice::Kind::FireMacro) {
    const int number = 100 * request.profile + request.button;
    assignment.openForEngineerButton(number, {}, {});
    return assignment.LB_ScriptClick(choice.position);
  }
  assignment.openForKeyLabel(request.button, {}, {});
  switch (choice.kind) {
    case FunctionChoice::Kind::MenuItem:
      return assignment.KeyStatusOnClick(choice.id);
    case FunctionChoice::Kind::DeviceMacro:
      return assignment.LB_NameClick(choice.position);
    default:
      return assignment.assignCode(choice.code);
  }
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
                  std::ostream& out, std::ostream& err) {
  DeviceLink& link = state.link;
  if (outcome == AssignOutcome::LeftKeyKept) {
    err << "mousectl: button " << request.button << " is profile 1's only \""
        << state.languages.text(langkey::menu::kLeftKey) << "\"; nothing was changed\n";
    return kExitUsage;
  }
  if (outcome == AssignOutcome::Ignored) {
    err << "mousectl: this function cannot be stored on this mouse (interface type \""
        << link.connection.interfaceType << "\"); nothing was changed\n";
    return kExitUsage;
  }
  if (!state.assignment.lastWrite || !tablesReadBack(link)) {
    err << "mousectl: the mouse did not store the new key tables\n";
    return kExitNoDevice;
  }
  const std::string& code = profileCode(link.codes, request.profile, request.button);
  out << "profile " << request.profile << " button " << request.button << ": "
      << state.assignment.nameOfCode(code) << " (" << code << ")\n";
  return kExitOk;
}

}  // namespace

int runButtons(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << kButtonsHelp;
    return kExitOk;
  }
  if (!args.empty()) {
    err << "usage: mousectl buttons\n";
    return kExitUsage;
  }
  CliSession session(context);
  if (const int status = connectForButtons(session); status != kExitOk) return status;
  ApplicationCore& state = session.core();
  printProfile(out, state, 1);
  printProfile(out, state, 2);
  out << "combo keys:\n";
  for (int n = 1; n <= key_tables::kComboKeyCount; ++n)
    printRow(out, n, comboKeyCode(state.link.codes, n),
             state.assignment.comboCaptions[static_cast<size_t>(n - 1)]);
  return kExitOk;
}

int runButton(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << kButtonHelp;
    return kExitOk;
  }
  const std::optional<ButtonRequest> request = parseButtonRequest(args, err);
  if (!request) return kExitUsage;
  CliSession session(context);
  if (const int status = connectForButtons(session); status != kExitOk) return status;
  ApplicationCore& state = session.core();
  DeviceLink& link = state.link;
  const std::vector<std::string> macroNames =
      link.connection.supportsStoredWrites() ? link.macros.names() : std::vector<std::string>{};
  const FunctionLookup lookup = lookUpFunction(request->function, state.languages, macroNames,
                                               state.assignment.fireMacros.listNames());
  if (lookup.matches.size() != 1) {
    err << "mousectl: " << lookup.problem << '\n';
    if (!lookup.suggestions.empty()) {
      err << "did you mean:";
      for (const std::string& text : lookup.suggestions) err << " \"" << text << '"';
      err << '\n';
    }
    err << "Run \"mousectl button --help\" for the accepted forms.\n";
    return kExitUsage;
  }
  return reportOutcome(state, *request, assign(state, *request, lookup.matches[0]), out, err);
}

}  // namespace mousecfg
