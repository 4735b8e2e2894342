#include "cli/MousectlParser.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>
#include <sstream>

#include "base/CloseNames.h"
#include "cli/Commands.h"

namespace mousecfg {

namespace {

constexpr std::string_view kProgramIntroduction = R"(usage: mousectl COMMAND [OPTIONS]

Reads, checks and changes the configuration of the gaming mouse. Every change is sent
to the mouse at once, as the window does it.

commands:
)";

constexpr std::string_view kProgramDetails = R"(
Run "mousectl COMMAND --help" for a command's options, "mousectl --version" for the
version. The commands that show state print it as JSON with --json. Options take their
value as "--name value" or "--name=value"; a FILE of "-" is standard input or output.

environment:
  MOUSECFG_BACKEND=sim   use the built-in simulated mouse instead of real devices
                         ("hid" or unset: real devices; "none": no devices at all)
  MOUSECFG_SIM_FILE=F    the simulated mouse keeps its stored block in F
  MOUSECFG_TRACE=FILE    write every frame sent and received to FILE

exit status: 0 success, 1 broken configuration, 2 wrong arguments or environment, 3 no mouse,
4 mouse not accepted, 5 file error, 6 the configuration does not allow the change,
7 the mouse is in use by another program
)";

constexpr size_t kCommandColumn = 12;

// CLI11 takes the words last first.
std::vector<std::string> reversed(const std::vector<std::string>& words) {
  return {words.rbegin(), words.rend()};
}

}  // namespace

int reportUsageMistake(std::ostream& err, std::string_view command, std::string_view what) {
  const std::string name = command.empty() ? "mousectl" : "mousectl " + std::string(command);
  err << name << ": " << what << "\nRun \"" << name << " --help\" for the accepted arguments.\n";
  return kExitUsage;
}

MousectlParser::MousectlParser() : app_(std::make_unique<CLI::App>("", "mousectl")) {
  app_->set_version_flag("-V,--version", "mousectl " MOUSECFG_VERSION);
  app_->require_subcommand(1);
  app_->get_formatter()->column_width(30);
  for (const CommandDefinition& definition : mousectlCommands()) {
    CLI::App* command =
        app_->add_subcommand(std::string(definition.name), std::string(definition.summary));
    if (definition.showsState)
      command->add_flag("--json", common_.json, "print the state as one JSON document");
    runs_.push_back(definition.define(*command, common_));
    // A positional's name says what it is ("FILE"); the parser's "TEXT" adds nothing.
    for (CLI::Option* option : command->get_options())
      if (option->get_positional()) option->type_name("");
  }
}

MousectlParser::~MousectlParser() = default;

CLI::App* MousectlParser::subcommand(std::string_view name) const {
  for (CLI::App* command : app_->get_subcommands({}))
    if (command->get_name() == name) return command;
  return nullptr;
}

std::string MousectlParser::programHelp() const {
  std::ostringstream help;
  help << kProgramIntroduction;
  for (const CommandDefinition& command : mousectlCommands()) {
    const std::string name(command.name);
    help << "  " << name
         << std::string(kCommandColumn - std::min(kCommandColumn - 1, name.size()), ' ')
         << command.summary << '\n';
  }
  help << kProgramDetails;
  return help.str();
}

std::string MousectlParser::commandHelp(std::string_view command) const {
  const CLI::App* found = subcommand(command);
  return found ? found->help(app_->get_name()) : programHelp();
}

std::vector<std::string> MousectlParser::optionNames(std::string_view command) const {
  std::vector<std::string> names;
  const CLI::App* found = subcommand(command);
  if (!found) return names;
  for (const CLI::Option* option : found->get_options())
    for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
  return names;
}

int MousectlParser::reportMistake(const std::string& what, const std::vector<std::string>& words,
                                  std::ostream& err) const {
  const std::vector<CLI::App*> parsed = app_->get_subcommands();
  const std::string command = parsed.empty() ? std::string() : parsed.front()->get_name();
  std::string message = what;
  const std::vector<std::string> options = optionNames(command);
  for (const std::string& word : words) {
    const std::string name = word.substr(0, word.find('='));
    if (!name.starts_with("--") || std::ranges::find(options, name) != options.end()) continue;
    const std::vector<std::string> close = closeNames(name, options);
    if (!close.empty()) message += "\ndid you mean \"" + close.front() + "\" for \"" + name + "\"?";
  }
  return reportUsageMistake(err, command, message);
}

ParsedCommandLine MousectlParser::parse(const std::vector<std::string>& words,
                                        const CliContext& context) {
  ParsedCommandLine parsed;
  // CLI11 reports help, the version and mistakes by throwing; they end here.
  try {
    std::vector<std::string> arguments = reversed(words);
    app_->parse(arguments);
  } catch (const CLI::CallForHelp&) {
    context.out << (app_->get_subcommands().empty() ? programHelp() : app_->help());
    return parsed;
  } catch (const CLI::CallForVersion& version) {
    context.out << version.what() << '\n';
    return parsed;
  } catch (const CLI::ParseError& mistake) {
    parsed.status = reportMistake(mistake.what(), words, context.err);
    return parsed;
  }
  const std::span<const CommandDefinition> commands = mousectlCommands();
  for (size_t i = 0; i < commands.size(); ++i) {
    if (!app_->got_subcommand(std::string(commands[i].name))) continue;
    parsed.command = &commands[i];
    parsed.run = runs_[i];
  }
  return parsed;
}

}  // namespace mousecfg
