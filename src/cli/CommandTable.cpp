#include "cli/Commands.h"

namespace mousecfg {

namespace {

constexpr bool kTalks = true;
constexpr bool kShows = true;

constexpr CommandDefinition kCommands[] = {
    {"list", "list the HID collections and mark the mouse's", kTalks, kShows, defineList},
    {"info", "show the mouse's device information and whether it is accepted", kTalks, kShows,
     defineInfo},
    {"read", "save the mouse's whole stored configuration (2048 bytes) to a file", kTalks, !kShows,
     defineRead},
    {"check", "check the sections and macros of a saved configuration", !kTalks, kShows,
     defineCheck},
    {"buttons", "show the function of every button of both profiles and of the combo keys", kTalks,
     kShows, defineButtons},
    {"button", "give one button a function, a stored macro or an entry", kTalks, kShows,
     defineButton},
    {"functions", "list every function name \"button\" takes", !kTalks, kShows, defineFunctions},
    {"macros", "list the macros in the mouse and in the PC macro library", kTalks, kShows,
     defineMacros},
    {"macro", "show, export, add to the mouse or delete one macro", kTalks, kShows, defineMacro},
    {"library", "change the PC macro library: new, rename, delete, import, export", !kTalks,
     !kShows, defineLibrary},
    {"dpi", "show or change the DPI levels, their colours, the active level and the AIM DPI",
     kTalks, kShows, defineDpi},
    {"rate", "show or set the USB report rate (a change restarts the mouse)", kTalks, kShows,
     defineRate},
    {"led", "show or change the lighting effect, speeds, brightness and colour table", kTalks,
     kShows, defineLed},
    {"fire", "show or change the three fire keys: shots, interval, Continuous", kTalks, kShows,
     defineFire},
    {"gun", "show or change the seven gun presets, or write and read them as text", kTalks, kShows,
     defineGun},
    {"engineer",
     "the factory's engineer page: vendor section, XData, fire macro codes (service code)", kTalks,
     kShows, defineEngineer},
    {"save", "save the mouse's whole configuration to a file, as Save Profile does", kTalks,
     !kShows, defineSave},
    {"load", "write a saved configuration into the mouse and restart it, as Load Profile does",
     kTalks, !kShows, defineLoad},
    {"update", "program a firmware file's patch record into the mouse, as the Update page does",
     kTalks, !kShows, defineUpdate},
    {"export", "write the configuration as a readable, commented TOML text", kTalks, !kShows,
     defineExport},
    {"import", "show what a configuration text changes, and apply it with --yes", kTalks, !kShows,
     defineImport},
    {"restore", "overwrite the mouse with built-in default configuration 1, 2 or 3", kTalks,
     !kShows, defineRestore},
    {"doctor", "check whether the mouse is plugged in and you may use it, and say what to do",
     !kTalks, kShows, defineDoctor},
    {"udev-rule", "print the udev rule that lets you use the mouse without root", !kTalks, !kShows,
     defineUdevRule},
};

}  // namespace

std::span<const CommandDefinition> mousectlCommands() {
  return kCommands;
}

const CommandDefinition* findCommand(std::string_view name) {
  for (const CommandDefinition& command : kCommands)
    if (command.name == name) return &command;
  return nullptr;
}

}  // namespace mousecfg
