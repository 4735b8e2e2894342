#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "device/BackendSelection.h"

namespace mousecfg {

namespace {

constexpr std::string_view kUsage = R"(usage: mousectl COMMAND [OPTIONS]

Reads and checks the configuration of the gaming mouse.

commands:
  list              list the HID collections and mark the mouse's
  info              show the mouse's device information and whether it is accepted
  read -o FILE      save the mouse's whole stored configuration (2048 bytes) to FILE
  check FILE        check the sections of a saved configuration
  buttons           list the function of every button of both profiles and the nine combo keys
  functions         list every function name "button" takes
  button N FUNCTION [--profile 1|2]
                    set button N (1..12) to a menu function ("DPI +"), a stored macro,
                    "Fire MacroN" or an 8-hex-digit entry (profile 1 unless --profile 2)
  dpi [OPTIONS]     show or change the DPI levels, their colours, the active level and the AIM DPI
  rate [HZ]         show or set the USB report rate (125, 250, 500, 1000; a change restarts the mouse)
  led [OPTIONS]     show or change the lighting effect, speeds, brightness and colour table
  restore N --yes   overwrite the mouse with built-in default configuration N (1, 2 or 3),
                    restart it and read it back; without --yes only say what would happen
  doctor            check whether the mouse is plugged in and you may use it, and say what to do
  udev-rule         print the udev rule that lets you use the mouse without root

Run "mousectl COMMAND --help" for a command's details, "mousectl --version" for the
version.

environment:
  MOUSECFG_BACKEND=sim   use the built-in simulated mouse instead of real devices
                         ("hid" or unset: real devices; "none": no devices at all)
  MOUSECFG_SIM_FILE=F    the simulated mouse keeps its stored block in F
  MOUSECFG_TRACE=FILE    write every frame sent and received to FILE

exit status: 0 success, 1 broken configuration, 2 wrong arguments or environment, 3 no mouse,
4 mouse not accepted, 5 file error, 6 the configuration does not allow the change,
7 the mouse is in use by another program
)";

using Command = int (*)(const Arguments&, const CliContext&);

struct NamedCommand {
  std::string_view name;
  Command run;
};

constexpr NamedCommand kCommands[] = {
    {"list", runList},
    {"info", runInfo},
    {"read", runRead},
    {"check", runCheck},
    {"buttons", runButtons},
    {"button", runButton},
    {"dpi", runDpi},
    {"rate", runRate},
    {"led", runLed},
    {"restore", runRestore},
    {"udev-rule", runUdevRule},
    {"doctor", runDoctor},
    {"functions", runFunctions},
};

bool talksToTheMouse(const Command run) {
  return run != runCheck && run != runUdevRule && run != runDoctor && run != runFunctions;
}

// Chooses the backend before the command runs, so that a mistake in the environment
// stops it with its message, and afterwards tells what the simulated mouse could not
// save to its file.
int runOnSelectedBackend(const Command run, const Arguments& args, const CliContext& context) {
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
  const int status = run(args, chosen);
  for (const std::string& error : *saveErrors) context.err << "mousectl: " << error << '\n';
  return saveErrors->empty() || status != kExitOk ? status : kExitFileError;
}

int runCommand(const Command run, const Arguments& args, const CliContext& context) {
  if (context.makeBackend || !talksToTheMouse(run) || wantsHelp(args)) return run(args, context);
  return runOnSelectedBackend(run, args, context);
}

}  // namespace

int runMousectl(const Arguments& words, const CliContext& context) {
  if (words.empty()) {
    context.err << kUsage;
    return kExitUsage;
  }
  const std::string& command = words[0];
  if (command == "--help" || command == "-h" || command == "help") {
    context.out << kUsage;
    return kExitOk;
  }
  if (command == "--version" || command == "-V") {
    context.out << "mousectl " << MOUSECFG_VERSION << '\n';
    return kExitOk;
  }
  const Arguments args(words.begin() + 1, words.end());
  for (const NamedCommand& named : kCommands)
    if (named.name == command) return runCommand(named.run, args, context);
  context.err << "mousectl: unknown command \"" << command << "\"\n" << kUsage;
  return kExitUsage;
}

}  // namespace mousecfg
