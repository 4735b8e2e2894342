#pragma once

#include <iosfwd>
#include <string>

#include "cli/CliSession.h"
#include "cli/JsonOutput.h"
#include "settings/ButtonEntry.h"

namespace mousecfg {

// The fire macro codes of "Fire Macro.bin" in the data folder, read as the window reads
// them at start-up: they name the gun buttons and give a new gun entry its combo-enable
// byte.
void loadFireMacroCodes(ApplicationCore& core);
// Reads the mouse's configuration for the button commands, the fire macro codes loaded
// first. An exit status.
int connectForButtons(CliSession& session);

// One button or combo key as the button commands show it: its number, its entry as 8
// hexadecimal digits and the name the window gives it.
void printButtonRow(std::ostream& out, int number, const std::string& code,
                    const std::string& name);
Json buttonRowJson(const char* numberKey, int number, const ButtonEntry& entry,
                   const std::string& code, const std::string& name);

}  // namespace mousecfg
