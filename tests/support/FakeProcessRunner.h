#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/ProcessRunner.h"

namespace mousecfg::test {

// Records the programs the core would run and answers with a set exit status.
class FakeProcessRunner : public ProcessRunner {
 public:
  std::optional<std::string> findProgram(std::string_view name) override {
    const auto found = programs.find(std::string(name));
    if (found == programs.end()) return std::nullopt;
    return found->second;
  }
  std::optional<int> run(const std::vector<std::string>& argv) override {
    std::string line;
    for (const std::string& argument : argv) line += (line.empty() ? "" : " ") + argument;
    runs.push_back(line);
    return exitStatus;
  }

  std::map<std::string, std::string> programs;  // name -> path
  std::optional<int> exitStatus = 0;            // nullopt: could not be started
  std::vector<std::string> runs;                // one line per run, arguments joined by blanks
};

}  // namespace mousecfg::test
