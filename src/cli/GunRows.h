#pragma once

#include <iosfwd>

#include "cli/JsonOutput.h"

namespace mousecfg {

class ApplicationCore;

// The gun presets as the gun commands show them, decoded as the gun page shows a gun:
// its name, shots (the fire count), X and Y, the two offsets, the delay after the move,
// its colour and its 24 bytes, from the gun table the mouse stores. A value the record
// does not hold (no repeat block, no move, no delay after it) shows as "-" or null.
void printGunTable(const ApplicationCore& core, std::ostream& out);
void printGun(const ApplicationCore& core, int gun, std::ostream& out);
Json gunJson(const ApplicationCore& core, int gun);
Json gunsJson(const ApplicationCore& core);

}  // namespace mousecfg
