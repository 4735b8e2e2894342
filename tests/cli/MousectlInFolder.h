#pragma once

#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "cli/CliContext.h"
#include "support/FileFixtures.h"
#include "support/ShellWords.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {

struct MousectlRun {
  int status = -1;
  std::string out;
  std::string err;
};

// mousectl in-process, as a shell would run it with the variables below set: the
// simulated mouse keeps its block in the test's folder, and the test may set further
// variables and what standard input holds.
class MousectlInFolder {
 public:
  explicit MousectlInFolder(const TemporaryFolder& folder)
      : variables{{"MOUSECFG_BACKEND", "sim"},
                  {"MOUSECFG_SIM_FILE", folder.file("mouse.bin")},
                  {"MOUSECFG_DESKTOP", "none"},
                  {"XDG_CONFIG_HOME", folder.path().string()},
                  {"XDG_RUNTIME_DIR", folder.path().string()}} {}

  // `commandLine` as after "mousectl ".
  MousectlRun run(const std::string& commandLine) {
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(standardInput.value_or(""));
    const auto lookup = [this](const char* name) -> std::optional<std::string> {
      const auto found = variables.find(name);
      if (found == variables.end()) return std::nullopt;
      return found->second;
    };
    CliContext context{out, err, lookup, clock};
    if (standardInput) context.in = &in;
    MousectlRun result;
    result.status = runMousectl(shellWords(commandLine), context);
    result.out = out.str();
    result.err = err.str();
    return result;
  }

  std::map<std::string, std::string> variables;
  std::optional<std::string> standardInput;  // nullopt: there is none
  VirtualClock clock;
};

}  // namespace mousecfg::test
