#pragma once

#include <iosfwd>
#include <string>

#include "base/Environment.h"
#include "engineer/ServiceAccess.h"

namespace mousecfg {

// The environment variable that may carry the service code instead of --service-code.
inline constexpr const char* kServiceCodeVariable = "MOUSECFG_SERVICE_CODE";

// The level the service code opens: --service-code when given, else the environment's.
// Off after telling the user why; the code itself is never shown.
ServiceLevel checkServiceCode(const std::string& given, const EnvironmentLookup& environment,
                              std::ostream& err);

// The hashes the codes are checked against: the program's own, unless a test put its own
// in for a scope, so that no test needs to know the program's codes.
class ScopedServiceCodeHashes {
 public:
  explicit ScopedServiceCodeHashes(ServiceAccess::CodeHashes hashes);
  ~ScopedServiceCodeHashes();
  ScopedServiceCodeHashes(const ScopedServiceCodeHashes&) = delete;
  ScopedServiceCodeHashes& operator=(const ScopedServiceCodeHashes&) = delete;

 private:
  ServiceAccess::CodeHashes previous_;
};

}  // namespace mousecfg
