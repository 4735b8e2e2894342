#pragma once

#include <functional>
#include <iosfwd>
#include <string_view>

#include "cli/CliContext.h"

namespace CLI {
class App;
}

namespace mousecfg {

// What the command line gives every command besides its own options.
struct CommonOptions {
  bool json = false;  // --json: the state as one JSON document instead of text
};

// A command with its options parsed, ready to run.
using CommandRun = std::function<int(const CliContext&)>;

// One mousectl command. `define` declares the command's own options and positional
// arguments on its part of the parser and returns what runs the command once the words
// are parsed; `--help`, and `--json` for a command that shows state, come with the
// parser, so every command has them alike.
struct CommandDefinition {
  std::string_view name;
  std::string_view summary;  // one line in "mousectl --help"
  bool talksToTheMouse;      // needs the backend the environment chooses
  bool showsState;           // takes --json
  CommandRun (*define)(CLI::App& command, const CommonOptions& common);
};

// Tells the user what is wrong with the words given to `command` ("dpi"; empty for
// mousectl itself) and where the accepted ones are described; the usage exit status.
int reportUsageMistake(std::ostream& err, std::string_view command, std::string_view what);

}  // namespace mousecfg
