#include "cli/ButtonFunctions.h"

#include <algorithm>

#include "base/CloseNames.h"
#include "base/LanguageKeys.h"
#include "cli/GunNames.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

// Gun k's entry as the gun page's Confirm builds it, with the keep-left option.
FunctionChoice gunChoice(const ApplicationCore& state, int gun, const ButtonRequest& request) {
  const ButtonEntry entry = state.gunPage.entryForGun(gun, request.keepLeft.value_or(false));
  return {FunctionChoice::Kind::Code, 0, codeOfEntry(entry), 0};
}

// "macro:NAME" names a macro stored in the mouse and nothing else.
constexpr std::string_view kMacroPrefix = "macro:";

FunctionLookup lookUpDeviceMacro(const std::string& function,
                                 const std::vector<std::string>& macroNames) {
  FunctionLookup lookup;
  const std::string name = function.substr(kMacroPrefix.size());
  const auto found = std::ranges::find(macroNames, name);
  if (found != macroNames.end()) {
    lookup.matches.push_back({FunctionChoice::Kind::DeviceMacro,
                              0,
                              {},
                              static_cast<size_t>(found - macroNames.begin())});
    return lookup;
  }
  lookup.problem = "the mouse holds no macro \"" + name + "\" (\"mousectl macros\" lists them)";
  lookup.suggestions = closeNames(name, macroNames);
  return lookup;
}

}  // namespace

FunctionLookup lookUpButtonFunction(const ApplicationCore& state, const ButtonRequest& request,
                                    const std::vector<std::string>* macroNames) {
  if (const std::optional<int> gun = gunOfName(request.function, state.languages)) {
    FunctionLookup lookup;
    lookup.matches.push_back(gunChoice(state, *gun, request));
    return lookup;
  }
  const DeviceLink& link = state.link;
  const std::vector<std::string> stored =
      link.connection.supportsStoredWrites() ? link.macros.names() : std::vector<std::string>{};
  const std::vector<std::string>& macros = macroNames ? *macroNames : stored;
  return request.function.starts_with(kMacroPrefix)
             ? lookUpDeviceMacro(request.function, macros)
             : lookUpFunction(request.function, state.languages, macros,
                              state.assignment.fireMacros.listNames());
}

AssignOutcome assignButtonFunction(ApplicationCore& state, const ButtonRequest& request,
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

}  // namespace mousecfg
