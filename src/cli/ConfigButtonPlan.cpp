#include <algorithm>
#include <cctype>
#include <ostream>

#include "base/CloseNames.h"
#include "base/LanguageKeys.h"
#include "cli/ButtonFunctions.h"
#include "cli/CliSession.h"
#include "cli/ConfigPlan.h"
#include "cli/GunNames.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

std::string buttonPlace(int profile, int button) {
  return "profile " + std::to_string(profile) + " button " + std::to_string(button);
}

// A button's function as the text names it: its menu text, its entry, or "macro:NAME".
bool namesCurrentFunction(const ApplicationCore& core, int profile, int button,
                          const std::string& text) {
  const std::string& code = profileCode(core.link.codes, profile, button);
  const std::string name = core.assignment.nameOfCode(code);
  constexpr std::string_view kMacroPrefix = "macro:";
  return sameInAnyCase(text, name) || sameInAnyCase(text, code) ||
         (text.starts_with(kMacroPrefix) && text.substr(kMacroPrefix.size()) == name);
}

std::string lookupProblem(const FunctionLookup& lookup, const std::string& function,
                          const ApplicationCore& core) {
  std::string problem = lookup.problem;
  std::vector<std::string> suggestions = lookup.suggestions;
  for (const std::string& name : closeNames(function, gunNames(core.languages)))
    suggestions.push_back(name);
  if (!suggestions.empty()) {
    problem += "; did you mean";
    for (size_t i = 0; i < suggestions.size(); ++i)
      problem += (i == 0                        ? " \""
                  : i + 1 == suggestions.size() ? " or \""
                                                : ", \"") +
                 suggestions[i] + '"';
    problem += '?';
  }
  return problem;
}

// The function is looked up when the change is made, after the macro changes before
// it have moved or added the macros it may name.
int applyButton(CliSession& session, const ButtonRequest& request, std::ostream& err) {
  ApplicationCore& core = session.core();
  const std::string place = buttonPlace(request.profile, request.button);
  const FunctionLookup lookup = lookUpButtonFunction(core, request);
  if (lookup.matches.size() != 1) {
    err << "mousectl import: " << place << ": " << lookup.problem << '\n';
    return kExitNotApplied;
  }
  const AssignOutcome outcome = assignButtonFunction(core, request, lookup.matches[0]);
  if (outcome == AssignOutcome::LeftKeyKept) {
    err << "mousectl import: " << place << " is profile 1's only Left Key, and profile 1 must "
        << "keep one\n";
    return kExitNotApplied;
  }
  if (outcome == AssignOutcome::Ignored) {
    err << "mousectl import: " << place << " cannot take \"" << request.function
        << "\" on this mouse\n";
    return kExitNotApplied;
  }
  if (!core.assignment.lastWrite) {
    err << "mousectl import: the mouse did not store the new key tables\n";
    return kExitNoDevice;
  }
  return kExitOk;
}

struct PlannedButton {
  ButtonRequest request;
  int line = 0;
  std::string what;
  bool byMacroChange = false;  // made by deleting the button's macro: nothing to send
};

// Profile 1 must keep a Left Key, at the end and after every single change: changes
// that give a Left Key go first, and the plan is refused when none would be left.
void keepLeftKey(const ApplicationCore& core, const ConfigText& wanted,
                 std::vector<PlannedButton>& planned, ConfigPlan& plan) {
  const std::string leftKey = core.text(langkey::menu::kLeftKey);
  int leftKeys = 0;
  int lastLeftKeyLine = 0;
  for (int button = 1; button <= ConfigText::kButtons; ++button) {
    const auto& text = wanted.buttons[0][static_cast<size_t>(button - 1)];
    const std::string& code = profileCode(core.link.codes, 1, button);
    const bool wasLeftKey = core.assignment.nameOfCode(code) == leftKey;
    const bool changed = text && !namesCurrentFunction(core, 1, button, text->value);
    if (changed ? sameInAnyCase(text->value, leftKey) : wasLeftKey) ++leftKeys;
    if (wasLeftKey && changed) lastLeftKeyLine = text->line;
  }
  if (leftKeys == 0) {
    plan.fail(lastLeftKeyLine,
              "profile 1 would be left without a \"" + leftKey + "\"; it must keep one");
    return;
  }
  std::stable_partition(planned.begin(), planned.end(), [&](const PlannedButton& button) {
    return button.request.profile == 1 && sameInAnyCase(button.request.function, leftKey);
  });
}

// What a button of the file, or a button whose macro the file renews, changes to; the
// button is left out when nothing changes. A mistake goes into the plan.
std::optional<PlannedButton> planButton(const ApplicationCore& core, int profile, int button,
                                        const OptionalValue<std::string>& text,
                                        const MacroRenewal& macros,
                                        const std::vector<std::string>& macroNames,
                                        ConfigPlan& plan) {
  const std::string& code = profileCode(core.link.codes, profile, button);
  const std::string current = core.assignment.nameOfCode(code);
  const bool macroButton =
      profileEntry(core.link.image, profile, button)[0] == entry::kCategoryMacro;
  const bool macroGoes = macroButton && macros.goesAway(current);
  const bool replaced =
      macroGoes && std::ranges::find(macros.replaced, current) != macros.replaced.end();
  const std::string place = buttonPlace(profile, button);
  if (!text || namesCurrentFunction(core, profile, button, text->value)) {
    if (!macroGoes) return std::nullopt;
    const int line = text ? text->line : macros.tableLine;
    if (replaced)
      return PlannedButton{{button, profile, "macro:" + current, std::nullopt},
                           line,
                           place + ": plays the new \"" + current + '"',
                           false};
    if (text) {
      plan.fail(line,
                place + " plays macro \"" + current + "\", which the [macros] table does not hold");
      return std::nullopt;
    }
    return PlannedButton{{button, profile, current, std::nullopt},
                         line,
                         place + ": \"" + current + "\" -> \"" + core.text(langkey::menu::kKeyOff) +
                             "\" (its macro is removed)",
                         true};
  }
  const ButtonRequest request{button, profile, text->value, std::nullopt};
  if (gunOfName(text->value, core.languages) && profile != key_tables::kLastProfile) {
    plan.fail(text->line, place + ": \"" + text->value + "\" is a gun preset, for profile 2 only");
    return std::nullopt;
  }
  const FunctionLookup lookup = lookUpButtonFunction(core, request, &macroNames);
  if (lookup.matches.size() != 1) {
    plan.fail(text->line, place + ": " + lookupProblem(lookup, text->value, core));
    return std::nullopt;
  }
  return PlannedButton{request, text->line,
                       place + ": \"" + current + "\" -> \"" + text->value + '"', false};
}

}  // namespace

void planButtonChanges(const ApplicationCore& core, const ConfigText& wanted,
                       const MacroRenewal& macros, ConfigPlan& plan) {
  const std::vector<std::string> macroNames = macros.namesAfter(core.link.macros.names());
  std::vector<PlannedButton> planned;
  for (int profile = 1; profile <= ConfigText::kProfiles; ++profile)
    for (int button = 1; button <= ConfigText::kButtons; ++button) {
      const auto& text =
          wanted.buttons[static_cast<size_t>(profile - 1)][static_cast<size_t>(button - 1)];
      std::optional<PlannedButton> change =
          planButton(core, profile, button, text, macros, macroNames, plan);
      if (!plan.ok()) return;
      if (change) planned.push_back(std::move(*change));
    }
  if (planned.empty()) return;
  keepLeftKey(core, wanted, planned, plan);
  if (!plan.ok()) return;
  for (const PlannedButton& button : planned)
    plan.changes.push_back(
        {button.what, button.line, [button](CliSession& session, std::ostream& err) {
           return button.byMacroChange ? static_cast<int>(kExitOk)
                                       : applyButton(session, button.request, err);
         }});
}

}  // namespace mousecfg
