#pragma once

#include <span>
#include <string_view>

#include "cli/CommandDefinition.h"

namespace mousecfg {

// Each declares its command's options and returns what runs it (see CommandDefinition).
CommandRun defineList(CLI::App& command, const CommonOptions& common);
CommandRun defineInfo(CLI::App& command, const CommonOptions& common);
CommandRun defineRead(CLI::App& command, const CommonOptions& common);
CommandRun defineCheck(CLI::App& command, const CommonOptions& common);
// mousectl buttons: both profiles' twelve entries and the nine combo keys, with names.
CommandRun defineButtons(CLI::App& command, const CommonOptions& common);
// mousectl button N FUNCTION [--profile 1|2]: sets one button's function.
CommandRun defineButton(CLI::App& command, const CommonOptions& common);
// mousectl functions: every function name of the button menu.
CommandRun defineFunctions(CLI::App& command, const CommonOptions& common);
// mousectl dpi: shows the DPI levels, their steps and colours, the active level and the
// AIM DPI, and changes them as the Advanced page does.
CommandRun defineDpi(CLI::App& command, const CommonOptions& common);
// mousectl rate: shows the USB report rate or sets it as the Advanced page does; a new
// rate restarts the mouse and finds it again (about 17 seconds).
CommandRun defineRate(CLI::App& command, const CommonOptions& common);
// mousectl led: shows the lighting settings and changes them as the lighting page does.
CommandRun defineLed(CLI::App& command, const CommonOptions& common);
// mousectl fire [KEY --shots N --interval MS --continuous on|off]: shows the fire keys
// and the buttons that use them, and sets one as the Advanced page does.
CommandRun defineFire(CLI::App& command, const CommonOptions& common);
// mousectl gun [GUN ...]: shows the gun presets, changes one as the gun page does, and
// writes or reads one as readable text.
CommandRun defineGun(CLI::App& command, const CommonOptions& common);
// mousectl engineer vendor|xdata|fire-macros --service-code CODE: the engineer page's
// vendor fields, XData access and fire macro codes, behind the service code.
CommandRun defineEngineer(CLI::App& command, const CommonOptions& common);
// mousectl restore 1|2|3 --yes: writes built-in default configuration N to the mouse,
// restarts it and reads it back, as the window's "Confirm" buttons do.
CommandRun defineRestore(CLI::App& command, const CommonOptions& common);
CommandRun defineSave(CLI::App& command, const CommonOptions& common);
CommandRun defineLoad(CLI::App& command, const CommonOptions& common);
CommandRun defineUpdate(CLI::App& command, const CommonOptions& common);
// mousectl export FILE: the configuration as commented TOML.
CommandRun defineExport(CLI::App& command, const CommonOptions& common);
// mousectl import FILE [--yes]: the differences a configuration text makes, applied
// through the pages' handlers.
CommandRun defineImport(CLI::App& command, const CommonOptions& common);
// mousectl doctor: checks, in order, what stands between the user and the mouse.
CommandRun defineDoctor(CLI::App& command, const CommonOptions& common);
// mousectl udev-rule: prints the udev rule that gives the user access to the mouse.
CommandRun defineUdevRule(CLI::App& command, const CommonOptions& common);

// mousectl macros: the mouse's macros and the PC macro library.
CommandRun defineMacros(CLI::App& command, const CommonOptions& common);
// mousectl macro show|export|add|delete NAME.
CommandRun defineMacro(CLI::App& command, const CommonOptions& common);
// mousectl library new|rename|delete|import|import-all|export|export-all.
CommandRun defineLibrary(CLI::App& command, const CommonOptions& common);

// Every command, in the order "mousectl --help" lists them.
std::span<const CommandDefinition> mousectlCommands();
const CommandDefinition* findCommand(std::string_view name);

}  // namespace mousecfg
