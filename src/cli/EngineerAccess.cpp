#include "cli/EngineerAccess.h"

#include <ostream>

namespace mousecfg {

namespace {

ServiceAccess::CodeHashes& checkedHashes() {
  static ServiceAccess::CodeHashes hashes = ServiceAccess::kCodeHashes;
  return hashes;
}

}  // namespace

ServiceLevel checkServiceCode(const std::string& given, const EnvironmentLookup& environment,
                              std::ostream& err) {
  const std::string code = given.empty() ? environment(kServiceCodeVariable).value_or("") : given;
  if (code.empty()) {
    err << "mousectl engineer: the engineer commands need a service code: give it with "
           "--service-code CODE or in "
        << kServiceCodeVariable << '\n';
    return ServiceLevel::Off;
  }
  const ServiceLevel level = ServiceAccess::acceptsServiceCode(code, checkedHashes());
  if (level == ServiceLevel::Off)
    err << "mousectl engineer: the service code is wrong; nothing was done\n";
  return level;
}

ScopedServiceCodeHashes::ScopedServiceCodeHashes(ServiceAccess::CodeHashes hashes)
    : previous_(checkedHashes()) {
  checkedHashes() = hashes;
}

ScopedServiceCodeHashes::~ScopedServiceCodeHashes() {
  checkedHashes() = previous_;
}

}  // namespace mousecfg
