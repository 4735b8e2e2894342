#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mousecfg {

// Runs other programs for the desktop settings backends: no shell, the argument
// vector as given, output discarded.
class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  // The full path of a program found on PATH; nullopt when there is none.
  virtual std::optional<std::string> findProgram(std::string_view name) = 0;
  // Runs argv[0] (a path) with the arguments and waits; its exit status, or nullopt
  // when it could not be started or did not exit normally.
  virtual std::optional<int> run(const std::vector<std::string>& argv) = 0;
};

// The runner of the real system (posix_spawn).
class PosixProcessRunner : public ProcessRunner {
 public:
  std::optional<std::string> findProgram(std::string_view name) override;
  std::optional<int> run(const std::vector<std::string>& argv) override;
};

}  // namespace mousecfg
