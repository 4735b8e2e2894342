#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "cli/CliContext.h"
#include "cli/ConsoleHost.h"
#include "core/ApplicationCore.h"
#include "device/HidBackend.h"

namespace mousecfg {

// The application core as mousectl runs it: the backend chosen by the environment, a
// console host, and the same core, pages and wiring as the window.
class CliSession {
 public:
  explicit CliSession(const CliContext& context);
  ~CliSession();

  HidBackend& backend() { return *backend_; }
  ApplicationCore& core() { return *core_; }
  DeviceLink& link() { return core_->link; }
  ConsoleHost& host() { return host_; }
  std::string text(const std::string& languageKey) const;

  // Takes the mouse's lock (waiting while another mousectl has it), then opens the
  // mouse; an exit status, after telling the user what went wrong.
  int open();
  // Opens the mouse and runs its device-information step; the configuration is read
  // only when readConfiguration is set. Tells the user why a device was not accepted.
  int connect(bool readConfiguration);
  // Connects and reads the whole configuration, which the pages then show; a read that
  // lost frames is an error, because a change made on it would write guesses back.
  int connectAndRead();
  // Reads the stored block back and checks that every byte the handlers changed in the
  // working copies since connectAndRead() reached the mouse; an exit status.
  int verifyWritten();

 private:
  // The image up to the patch code, which holds every section mousectl verifies.
  using Snapshot = std::array<uint8_t, image::kPatchCodeOffset>;
  Snapshot workingCopies() const;

  // The details of a mouse that was found but not accepted.
  void explainRejection(DevInfoOutcome outcome);

  static constexpr int kLockRetryMs = 50;
  static constexpr int kLockWaitMs = 30000;
  int takeMouse();

  std::ostream& err_;
  Clock& clock_;
  ConsoleHost host_;
  std::unique_ptr<HidBackend> backend_;
  std::unique_ptr<ApplicationCore> core_;
  Snapshot connected_{};
};

}  // namespace mousecfg
