#include "core/MouseAccess.h"

#include <cstdint>
#include <filesystem>

#include "base/HexText.h"
#include "base/MouseLock.h"
#include "device/BackendSelection.h"

namespace mousecfg {

namespace {

// FNV-1a: the same key in every process, whatever the standard library's hash does.
uint64_t stableHash(const std::string& text) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (unsigned char c : text) hash = (hash ^ c) * 0x100000001b3ULL;
  return hash;
}

}  // namespace

std::optional<std::string> mouseLockPath(const EnvironmentLookup& environment, int vendorId,
                                         int productId) {
  std::string key;
  if (environment(kBackendVariable) == std::optional<std::string>(kSimulatedBackend)) {
    const std::optional<std::string> file = environment(kSimFileVariable);
    if (!file || file->empty()) return std::nullopt;
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(*file, error);
    const uint64_t hash = stableHash(error ? *file : canonical.string());
    key = "sim-" + hexDigits(static_cast<uint32_t>(hash >> 32), 8, HexLetters::Lower) +
          hexDigits(static_cast<uint32_t>(hash), 8, HexLetters::Lower);
  } else {
    key = "hid-" + hexDigits(static_cast<uint32_t>(vendorId), 4, HexLetters::Lower) + "-" +
          hexDigits(static_cast<uint32_t>(productId), 4, HexLetters::Lower);
  }
  return MouseLock::pathFor(key, environment);
}

}  // namespace mousecfg
