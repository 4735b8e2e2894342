#pragma once

#include <functional>
#include <optional>
#include <string>

namespace mousecfg {

// Looks up an environment variable; nullopt when it is not set. Injected wherever the
// environment chooses something, so tests can choose without touching the process's.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

std::optional<std::string> processEnvironment(const char* name);

}  // namespace mousecfg
