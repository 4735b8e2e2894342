#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CliSession.h"
#include "cli/ConfigText.h"
#include "engineer/ServiceAccess.h"

namespace mousecfg {

// One difference between a configuration text and the mouse, and how the window's
// handlers make it.
struct ConfigChange {
  std::string what;  // "profile 1 button 6: \"Middle Key\" -> \"Volume +\""
  int line = 0;
  // Makes the change; an exit status, after telling the user what went wrong.
  std::function<int(CliSession& session, std::ostream& err)> apply;
};

// A change made by a page handler that reports nothing back.
template <class Handler>
std::function<int(CliSession&, std::ostream&)> handledBy(Handler handler) {
  return [handler](CliSession& session, std::ostream&) {
    handler(session.core());
    return static_cast<int>(kExitOk);
  };
}

// What a configuration text would change, in the order it is applied, or the first
// mistake in it that only the mouse reveals (a function or gun it does not know).
struct [[nodiscard]] ConfigPlan {
  std::vector<ConfigChange> changes;
  std::string error;  // "line 12: ..."; empty when the plan can be applied

  bool ok() const { return error.empty(); }
  // Keeps the first mistake, as "line 12: message".
  void fail(int line, const std::string& message);
  // A mistake inside a gun or macro text ("line 3, column 9: ...") at its line in the
  // file.
  void failInText(const NamedText& named, const std::string& textError);
};

// Compares the text with the connected mouse, whose configuration has been read. The
// vendor section needs the service level `level` (First or Second).
ConfigPlan planConfigChanges(const ApplicationCore& core, const ConfigText& wanted,
                             ServiceLevel level);

// The lighting changes, in an order the page takes them: a breathing speed goes before
// an effect that has none. A mistake goes into plan.error.
void planLightingChanges(const ApplicationCore& core, const ConfigText::Lighting& wanted,
                         ConfigPlan& plan);
// The PC's mouse settings; they send nothing to the mouse.
void planSystemChanges(const ApplicationCore& core, const ConfigText::System& wanted,
                       ConfigPlan& plan);

// How the file's [macros] table renews the mouse's macros, by name.
struct MacroRenewal {
  std::vector<std::string> removed;   // on the mouse, not in the file
  std::vector<std::string> replaced;  // in both, with other events
  std::vector<std::string> added;     // in the file only
  int tableLine = 0;                  // of the [macros] table

  bool goesAway(const std::string& name) const;
  // The macro names the mouse holds once the renewal is made.
  std::vector<std::string> namesAfter(const std::vector<std::string>& before) const;
};

// The macro changes, planned first: the removed and replaced macros are deleted (their
// buttons become "Key Off"), then the replaced and added ones added, as the macro
// list's "Delect Macro" and the library's "Add to Mouse" do. A mistake goes into
// plan.error.
MacroRenewal planMacroChanges(const ApplicationCore& core, const ConfigText& wanted,
                              ConfigPlan& plan);

// The button changes, planned after the macros: a button may name a macro the file adds,
// and a button whose macro is replaced is linked to the new one.
void planButtonChanges(const ApplicationCore& core, const ConfigText& wanted,
                       const MacroRenewal& macros, ConfigPlan& plan);

}  // namespace mousecfg
