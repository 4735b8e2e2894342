#include "cli/CliSession.h"

#include <algorithm>
#include <ostream>

#include "base/HexText.h"
#include "base/LanguageKeys.h"
#include "cli/ArgumentValues.h"
#include "device/BackendSelection.h"
#include "device/ImageSections.h"

namespace mousecfg {

static_assert(std::ranges::all_of(kImageSections, [](const ImageSection& section) {
  return !section.verifiedAfterChange || section.offset + section.length <= image::kPatchCodeOffset;
}));

CliSession::CliSession(const CliContext& context)
    : err_(context.err),
      clock_(context.clock),
      host_(context.err, context.clock, [this](const std::string& key) { return text(key); }) {
  backend_ = context.makeBackend ? context.makeBackend()
                                 : selectBackend(context.environment, context.clock).backend;
  ApplicationCore::Setup setup;
  setup.environment = context.environment;
  setup.lockMouse = true;
  setup.programName = kCommandLineProgramName;
  setup.tellDeviceFailures = false;
  setup.checkAccess = {};  // no footer to fill: mousectl doctor checks access
  core_ = std::make_unique<ApplicationCore>(*backend_, host_, std::move(setup));
}

CliSession::~CliSession() = default;

std::string CliSession::text(const std::string& languageKey) const {
  static const LanguageTables tables = LanguageTables::builtIn();
  const std::string found = tables.table(1).text(languageKey);
  return found.empty() ? languageKey : found;
}

int CliSession::takeMouse() {
  for (int waitedMs = 0;; waitedMs += kLockRetryMs) {
    if (core_->holdMouseLock()) return kExitOk;
    const std::optional<LockHolder> holder = core_->mouseLockHolder();
    const std::string program = holder ? holder->program : "another program";
    const std::string process = holder && holder->pid > 0
                                    ? " (process " + std::to_string(holder->pid) + ")"
                                    : std::string();
    // The window keeps the mouse for as long as it runs; anything else (another
    // mousectl, or a holder that has not written its name yet) is done soon.
    if (program == kWindowProgramName) {
      err_ << "mousectl: the mouse is in use by " << program << process
           << "; make the change there, or close it and try again\n";
      return kExitBusy;
    }
    if (waitedMs >= kLockWaitMs) {
      err_ << "mousectl: gave up waiting for " << program << process
           << " to finish with the mouse\n";
      return kExitBusy;
    }
    if (waitedMs == 0)
      err_ << "mousectl: waiting for " << program << process << " to finish with the mouse...\n";
    clock_.sleepMs(kLockRetryMs);
  }
}

int CliSession::open() {
  if (const int status = takeMouse(); status != kExitOk) return status;
  DeviceLink& link = core_->link;
  const DeviceTableEntry& entry = link.deviceTable[0];
  uint16_t version = 0;
  if (link.discovery.OpenDevice(entry.vendorId, entry.productId, version) && link.channel.isOpen())
    return kExitOk;
  err_ << "mousectl: no gaming mouse found (" << usbIdText(entry.vendorId) << ':'
       << usbIdText(entry.productId)
       << ")\nIs it plugged in, and may you open its hidraw nodes? \"mousectl doctor\" checks\n"
          "both and says what to do.\n";
  return kExitNoDevice;
}

int CliSession::connect(bool readConfiguration) {
  if (const int status = open(); status != kExitOk) return status;
  const DevInfoOutcome outcome = core_->link.discovery.ReadDevInfo(readConfiguration);
  if (outcome == DevInfoOutcome::Accepted) return kExitOk;
  err_ << "mousectl: " << describe(outcome) << '\n';
  explainRejection(outcome);
  if (lostFrames(outcome)) return kExitNoDevice;
  return kExitRejected;
}

void CliSession::explainRejection(DevInfoOutcome outcome) {
  const ConnectionValues& connection = core_->link.connection;
  const auto pair = [](const IdPair& ids) {
    return std::to_string(ids.first) + ", " + std::to_string(ids.second);
  };
  if (outcome == DevInfoOutcome::ForeignIds && connection.deviceIds) {
    err_ << "Its codes are " << pair(*connection.deviceIds) << "; this program accepts "
         << pair(connection.expectedIds) << " or " << pair(connection.reserveIds)
         << ". Nothing was read or written.\n";
  }
  if (outcome == DevInfoOutcome::MemoryTypeMismatch) {
    err_ << "It has a \"" << connection.interfaceType << "\" chip; this program's configuration"
         << " is made for \"" << connection.configuredMemoryType
         << "\". Nothing was read or written.\n";
  }
}

CliSession::Snapshot CliSession::workingCopies() const {
  const ConfigImage& image = core_->link.image;
  Snapshot copies{};
  for (const ImageSection& section : kImageSections) {
    if (!section.verifiedAfterChange) continue;
    const std::span<const uint8_t> copy = workingCopy(image, section);
    std::copy(copy.begin(), copy.end(),
              copies.begin() + static_cast<std::ptrdiff_t>(section.offset));
  }
  return copies;
}

int CliSession::connectAndRead() {
  if (const int status = connect(true); status != kExitOk) return status;
  if (!link().channel.isOpen()) {
    err_ << "mousectl: the mouse stopped answering while its configuration was read\n";
    return kExitNoDevice;
  }
  connected_ = workingCopies();
  return kExitOk;
}

int CliSession::verifyWritten() {
  const Snapshot now = workingCopies();
  if (now == connected_) return kExitOk;
  Snapshot stored{};
  DeviceLink& device = link();
  if (!device.channel.BlockRead(0, stored)) {
    err_ << "mousectl: the mouse did not answer after the change; it may not have taken it\n";
    return kExitNoDevice;
  }
  for (size_t at = 0; at < now.size(); ++at) {
    if (now[at] == connected_[at] || stored[at] == now[at]) continue;
    err_ << "mousectl: the mouse did not take the change: byte " << at << " holds 0x"
         << hexDigits(stored[at], 2) << " instead of 0x" << hexDigits(now[at], 2) << '\n';
    return kExitNoDevice;
  }
  return kExitOk;
}

}  // namespace mousecfg
