#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandDefinition.h"

namespace mousecfg {

struct ParsedCommandLine {
  const CommandDefinition* command = nullptr;
  CommandRun run;  // empty when the words asked for help, or were wrong
  int status = kExitOk;
};

// The parser of mousectl's words: every command of the table with its own options,
// plus --help at every level, --version, and --json where a command shows state. It
// prints help, the version and argument mistakes itself.
class MousectlParser {
 public:
  MousectlParser();
  ~MousectlParser();

  ParsedCommandLine parse(const std::vector<std::string>& words, const CliContext& context);

  std::string programHelp() const;
  std::string commandHelp(std::string_view command) const;
  // Every option a command takes, by its long name ("--levels").
  std::vector<std::string> optionNames(std::string_view command) const;

 private:
  CLI::App* subcommand(std::string_view name) const;
  int reportMistake(const std::string& what, const std::vector<std::string>& words,
                    std::ostream& err) const;

  std::unique_ptr<CLI::App> app_;
  CommonOptions common_;
  std::vector<CommandRun> runs_;  // in the order of mousectlCommands()
};

}  // namespace mousecfg
