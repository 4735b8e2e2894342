#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "base/CloseNames.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/MousectlParser.h"
#include "device/BackendSelection.h"

namespace mousecfg {

namespace {

// Chooses the backend before the command runs, so that a mistake in the environment
// stops it with its message, and afterwards tells what the simulated mouse could not
// save to its file.
int runOnSelectedBackend(const CommandRun& run, const CliContext& context) {
  SelectedBackend selected = selectBackend(context.environment, context.clock);
  if (!selected.problems.empty()) {
    for (const std::string& problem : selected.problems)
      context.err << "mousectl: " << problem << '\n';
    return kExitUsage;
  }
  auto saveErrors = std::make_shared<std::vector<std::string>>();
  if (selected.simulatedMouse) {
    selected.simulatedMouse->setBlockFileErrorSink(
        [saveErrors](const std::string& error) { saveErrors->push_back(error); });
  }
  auto backend = std::make_shared<std::unique_ptr<HidBackend>>(std::move(selected.backend));
  CliContext chosen = context;
  chosen.makeBackend = [backend] { return std::move(*backend); };
  const int status = run(chosen);
  for (const std::string& error : *saveErrors) context.err << "mousectl: " << error << '\n';
  return saveErrors->empty() || status != kExitOk ? status : kExitFileError;
}

std::vector<std::string> commandNames() {
  std::vector<std::string> names;
  for (const CommandDefinition& command : mousectlCommands()) names.emplace_back(command.name);
  names.emplace_back("help");
  return names;
}

int unknownCommand(const std::string& word, std::ostream& err) {
  err << "mousectl: unknown command \"" << word << "\"\n";
  const std::vector<std::string> close = closeNames(word, commandNames());
  if (!close.empty()) {
    err << "did you mean:";
    for (const std::string& name : close) err << " \"" << name << '"';
    err << '\n';
  }
  err << "Run \"mousectl --help\" for the list of commands.\n";
  return kExitUsage;
}

// "mousectl help" and "mousectl help COMMAND".
int runHelp(const Arguments& words, const CliContext& context) {
  if (words.size() > 2) {
    context.err << "usage: mousectl help [COMMAND]\n";
    return kExitUsage;
  }
  if (words.size() == 2 && !findCommand(words[1])) return unknownCommand(words[1], context.err);
  MousectlParser parser;
  context.out << (words.size() == 2 ? parser.commandHelp(words[1]) : parser.programHelp());
  return kExitOk;
}

}  // namespace

int runMousectl(const Arguments& words, const CliContext& context) {
  if (words.empty()) {
    context.err << MousectlParser().programHelp();
    return kExitUsage;
  }
  if (words[0] == "help") return runHelp(words, context);
  if (!words[0].starts_with('-') && !findCommand(words[0]))
    return unknownCommand(words[0], context.err);
  MousectlParser parser;
  const ParsedCommandLine parsed = parser.parse(words, context);
  if (!parsed.run) return parsed.status;
  if (context.makeBackend || !parsed.command->talksToTheMouse) return parsed.run(context);
  return runOnSelectedBackend(parsed.run, context);
}

}  // namespace mousecfg
