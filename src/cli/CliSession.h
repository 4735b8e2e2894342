#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "ConsoleHost.h"
#include "device/DeviceLink.h"
#include "device/HidBackend.h"

namespace mousecfg {

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

// The core as mousectl runs it: the backend chosen by the environment, a console host
// and the device link set up as the window sets it up at start.
class CliSession {
 public:
  CliSession(std::ostream& err);
  ~CliSession();

  HidBackend& backend() { return *backend_; }
  DeviceLink& link() { return *link_; }
  ConsoleHost& host() { return host_; }

  // Opens the mouse; false (after telling the user) when none is attached.
  bool open();
  // Opens the mouse and runs its device-information step; the configuration is read
  // only when readConfiguration is set. Tells the user why a device was not accepted.
  int connect(bool readConfiguration);
  std::string text(const std::string& languageKey) const;

 private:
  std::ostream& err_;
  ConsoleHost host_;
  std::unique_ptr<HidBackend> backend_;
  std::unique_ptr<DeviceLink> link_;
};

}  // namespace mousecfg
