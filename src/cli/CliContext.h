#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Environment.h"

namespace mousecfg {

using Arguments = std::vector<std::string>;

// What one run of mousectl is given: its output streams, the environment that chooses
// the backend, and the clock its waits run on. The program passes the process's own;
// tests run commands in-process with a private environment and a virtual clock.
struct CliContext {
  std::ostream& out;
  std::ostream& err;
  EnvironmentLookup environment = processEnvironment;
  Clock& clock = steadyClock();
};

// Exit statuses of mousectl.
enum ExitStatus : int {
  kExitOk = 0,
  kExitBrokenImage = 1,  // check: a section's checksum is wrong
  kExitUsage = 2,        // wrong arguments
  kExitNoDevice = 3,     // no mouse found, or it stopped answering
  kExitRejected = 4,     // the mouse was found but not accepted
  kExitFileError = 5,    // a file could not be read or written
  kExitNotApplied = 6,   // the configuration does not allow the change
};

// mousectl COMMAND ARGS...: runs one command and returns its exit status.
int runMousectl(const Arguments& words, const CliContext& context);

}  // namespace mousecfg
