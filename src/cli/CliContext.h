#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Environment.h"
#include "device/HidBackend.h"

namespace mousecfg {

using Arguments = std::vector<std::string>;

// What one run of mousectl is given: its output streams, the environment that chooses
// the backend, and the clock its waits run on. The program passes the process's own;
// tests run commands in-process with a private environment and a virtual clock, and may
// hand in the backend themselves (a simulated mouse with a fault).
struct CliContext {
  using BackendFactory = std::function<std::unique_ptr<HidBackend>()>;

  CliContext(std::ostream& output, std::ostream& errors,
             EnvironmentLookup lookup = processEnvironment, Clock& waits = steadyClock(),
             BackendFactory backend = {})
      : out(output),
        err(errors),
        environment(std::move(lookup)),
        clock(waits),
        makeBackend(std::move(backend)) {}

  std::ostream& out;
  std::ostream& err;
  EnvironmentLookup environment;
  Clock& clock;
  BackendFactory makeBackend;  // empty: chosen by the environment; called once per run
  std::istream* in = nullptr;  // what "-" reads as a file name; null: nothing
};

// Exit statuses of mousectl.
enum ExitStatus : int {
  kExitOk = 0,
  kExitBrokenImage = 1,  // check: a section's checksum is wrong
  kExitUsage = 2,        // wrong arguments, or a mistake in the environment
  kExitNoDevice = 3,     // no mouse found, or it stopped answering
  kExitRejected = 4,     // the mouse was found but not accepted
  kExitFileError = 5,    // a file could not be read or written
  kExitNotApplied = 6,   // the configuration does not allow the change
  kExitBusy = 7,         // another program has the mouse
};

// mousectl COMMAND ARGS...: runs one command and returns its exit status.
int runMousectl(const Arguments& words, const CliContext& context);

}  // namespace mousecfg
