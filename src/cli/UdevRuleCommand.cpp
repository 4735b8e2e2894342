#include <ostream>
#include <string_view>

#include "BuiltInResources.h"
#include "cli/Commands.h"

namespace mousecfg {

// The rule is packaging/70-mousecfg.rules, built in, so that what this prints is what
// `cmake --install` and the package put in place.
constexpr std::string_view kRuleResource = "70-mousecfg";
constexpr std::string_view kRulePath = "/etc/udev/rules.d/70-mousecfg.rules";

int runUdevRule(const Arguments& args, const CliContext& context) {
  if (wantsHelp(args)) {
    context.out << "usage: mousectl udev-rule\n\nPrints the udev rule that lets the user at the "
                   "computer open the mouse's\nhidraw nodes (and no other device's). The "
                   "package installs it; from a source\nbuild, install it with:\n\n"
                   "  mousectl udev-rule | sudo tee "
                << kRulePath
                << "\n  sudo udevadm control --reload-rules && sudo udevadm trigger\n\n"
                   "then unplug the mouse and plug it in again.\n";
    return kExitOk;
  }
  if (!args.empty()) {
    context.err << "usage: mousectl udev-rule\n";
    return kExitUsage;
  }
  const auto rule = builtInResource(kRuleResource);
  if (!rule) {
    context.err << "mousectl: this build carries no udev rule\n";
    return kExitFileError;
  }
  context.out.write(reinterpret_cast<const char*>(rule->data()),
                    static_cast<std::streamsize>(rule->size()));
  return kExitOk;
}

}  // namespace mousecfg
