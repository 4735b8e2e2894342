#pragma once

#include "cli/CliContext.h"

namespace mousecfg {

// Each command takes the words after its name and returns the exit status.
int runList(const Arguments& args, const CliContext& context);
int runInfo(const Arguments& args, const CliContext& context);
int runRead(const Arguments& args, const CliContext& context);
int runCheck(const Arguments& args, const CliContext& context);
// mousectl buttons: both profiles' twelve entries and the nine combo keys, with names.
int runButtons(const Arguments& args, const CliContext& context);
// mousectl button N FUNCTION [--profile 1|2]: sets one button's function.
int runButton(const Arguments& args, const CliContext& context);
// mousectl dpi: shows the DPI levels, their steps and colours, the active level and the
// AIM DPI, and changes them as the Advanced page does.
int runDpi(const Arguments& args, const CliContext& context);
// mousectl rate: shows the USB report rate or sets it as the Advanced page does; a new
// rate restarts the mouse and finds it again (about 17 seconds).
int runRate(const Arguments& args, const CliContext& context);
// mousectl led: shows the lighting settings and changes them as the Breathing Light
// page does.
int runLed(const Arguments& args, const CliContext& context);
// mousectl restore 1|2|3 --yes: writes built-in default configuration N to the mouse,
// restarts it and reads it back, as the window's "Confirm" buttons do.
int runRestore(const Arguments& args, const CliContext& context);
// mousectl functions: every function name of the button menu, one per line.
int runFunctions(const Arguments& args, const CliContext& context);
// mousectl doctor: checks, in order, what stands between the user and the mouse.
int runDoctor(const Arguments& args, const CliContext& context);
// mousectl udev-rule: prints the udev rule that gives the user access to the mouse.
int runUdevRule(const Arguments& args, const CliContext& context);

bool wantsHelp(const Arguments& args);

}  // namespace mousecfg
