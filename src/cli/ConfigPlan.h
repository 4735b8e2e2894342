#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ConfigText.h"
#include "engineer/ServiceAccess.h"

namespace mousecfg {

class ApplicationCore;
class CliSession;

// One difference between a configuration text and the mouse, and how the window's
// handlers make it.
struct ConfigChange {
  std::string what;  // "profile 1 button 6: \"Middle Key\" -> \"Volume +\""
  int line = 0;
  // Makes the change; an exit status, after telling the user what went wrong.
  std::function<int(CliSession& session, std::ostream& err)> apply;
};

// What a configuration text would change, in the order it is applied, or the first
// mistake in it that only the mouse reveals (a function or gun it does not know).
struct [[nodiscard]] ConfigPlan {
  std::vector<ConfigChange> changes;
  std::string error;  // "line 12: ..."; empty when the plan can be applied

  bool ok() const { return error.empty(); }
};

// Compares the text with the connected mouse, whose configuration has been read. The
// vendor section needs the service level `level` (First or Second).
ConfigPlan planConfigChanges(const ApplicationCore& core, const ConfigText& wanted,
                             ServiceLevel level);

// The plan's button changes, planned by planConfigChanges first; a mistake goes into
// plan.error.
void planButtonChanges(const ApplicationCore& core, const ConfigText& wanted, ConfigPlan& plan);

}  // namespace mousecfg
