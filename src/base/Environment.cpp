#include "base/Environment.h"

#include <cstdlib>

namespace mousecfg {

std::optional<std::string> processEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

}  // namespace mousecfg
