#pragma once

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/CliContext.h"
#include "support/ShellWords.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

// mousectl run inside the test as a user runs it from a shell, on the simulated mouse
// whose stored block lives in simFile, so one run sees what the one before stored. The
// environment is the test's own and the waits run on a virtual clock, so a restart of
// the mouse costs no time.
class InProcessMousectl {
 public:
  InProcessMousectl(std::filesystem::path simFile, std::filesystem::path configHome)
      : simFile_(std::move(simFile)), configHome_(std::move(configHome)) {}

  // `commandLine` as after "mousectl "; backend is MOUSECFG_BACKEND.
  CommandRun run(const std::string& commandLine, const std::string& backend = "sim") {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun result;
    result.status =
        runMousectl(shellWords(commandLine), CliContext{out, err, environment(backend), clock});
    result.out = out.str();
    result.err = err.str();
    return result;
  }

  // Standard output and standard error in one stream, in the order they were written.
  CommandRun runMerged(const std::string& commandLine) {
    std::ostringstream output;
    CommandRun result;
    result.status =
        runMousectl(shellWords(commandLine), CliContext{output, output, environment("sim"), clock});
    result.out = output.str();
    return result;
  }

  VirtualClock clock;

  EnvironmentLookup environment(const std::string& backend = "sim") const {
    return [=, this](const char* name) -> std::optional<std::string> {
      const std::string_view variable(name);
      if (variable == "MOUSECFG_BACKEND") return backend;
      if (variable == "MOUSECFG_SIM_FILE") return simFile_.string();
      if (variable == "XDG_CONFIG_HOME") return configHome_.string();
      if (variable == "XDG_DATA_HOME") return configHome_.string();
      if (variable == "XDG_RUNTIME_DIR") return configHome_.string();
      if (variable == "MOUSECFG_DESKTOP") return "none";
      return std::nullopt;
    };
  }

 private:
  std::filesystem::path simFile_;
  std::filesystem::path configHome_;
};

}  // namespace mousecfg::test
