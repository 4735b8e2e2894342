#include <CLI/CLI.hpp>
#include <ostream>
#include <string_view>

#include "BuiltInResources.h"
#include "cli/Commands.h"

namespace mousecfg {

namespace {

// The rule is packaging/70-mousecfg.rules, built in, so that what this prints is what
// `cmake --install` and the package put in place.
constexpr std::string_view kRuleResource = "70-mousecfg";

int printRule(const CliContext& context) {
  const auto rule = builtInResource(kRuleResource);
  if (!rule) {
    context.err << "mousectl: this build carries no udev rule\n";
    return kExitFileError;
  }
  context.out.write(reinterpret_cast<const char*>(rule->data()),
                    static_cast<std::streamsize>(rule->size()));
  return kExitOk;
}

}  // namespace

CommandRun defineUdevRule(CLI::App& command, const CommonOptions&) {
  command.footer(
      "Prints the udev rule that lets the user at the computer open the mouse's hidraw\n"
      "nodes (and no other device's). The package installs it; from a source build,\n"
      "install it with:\n\n"
      "  mousectl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules\n"
      "  sudo udevadm control --reload-rules && sudo udevadm trigger\n\n"
      "then unplug the mouse and plug it in again.");
  return printRule;
}

}  // namespace mousecfg
