#include "CliSession.h"

#include <iomanip>
#include <ostream>

#include "app/LanguageTables.h"
#include "app/ProgramOptions.h"
#include "device/BackendSelection.h"

namespace mousecfg {

CliSession::CliSession(std::ostream& err)
    : err_(err), host_(err, [this](const std::string& key) { return text(key); }) {
  backend_ = makeBackendFromEnvironment();
  link_ = std::make_unique<DeviceLink>(*backend_, host_);
  link_->deriveFromBuiltInImage();
  const ProgramOptions options = builtInProgramOptions();
  link_->connection.reserveIds = {options.revManuId, options.revProId};
}

CliSession::~CliSession() = default;

std::string CliSession::text(const std::string& languageKey) const {
  static const LanguageTables tables = LanguageTables::builtIn();
  const std::string found = tables.table(1).text(languageKey);
  return found.empty() ? languageKey : found;
}

bool CliSession::open() {
  const DeviceTableEntry& entry = link_->deviceTable[0];
  uint16_t version = 0;
  if (link_->discovery.OpenDevice(entry.vendorId, entry.productId, version) &&
      link_->channel.isOpen())
    return true;
  err_ << "mousectl: " << text("Str022") << " (" << std::hex << std::setfill('0') << std::setw(4)
       << entry.vendorId << ':' << std::setw(4) << entry.productId << std::dec << std::setfill(' ')
       << ")\nIs the mouse plugged in? On Linux your user needs access to its hidraw nodes:\n"
          "install packaging/70-mousecfg.rules into /etc/udev/rules.d and plug it in again.\n";
  return false;
}

int CliSession::connect(bool readConfiguration) {
  if (!open()) return kExitNoDevice;
  const DevInfoOutcome outcome = link_->discovery.ReadDevInfo(readConfiguration);
  if (outcome == DevInfoOutcome::Accepted) return kExitOk;
  // Str102 and Str107 have been shown through the host already.
  if (outcome != DevInfoOutcome::MemoryTypeMismatch && outcome != DevInfoOutcome::ForeignIds)
    err_ << "mousectl: " << describe(outcome) << '\n';
  if (outcome == DevInfoOutcome::CommandRefused || outcome == DevInfoOutcome::IdReadFailed)
    return kExitNoDevice;
  return kExitRejected;
}

}  // namespace mousecfg
