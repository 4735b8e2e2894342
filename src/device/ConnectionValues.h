#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "device/ImageMap.h"

namespace mousecfg {

// Interface and memory type names as the device information and the built-in image give
// them: a device reports its interface by the name of the memory type.
inline constexpr std::string_view kInterfaceI2c = image::kMemoryNameI2c;
inline constexpr std::string_view kInterfaceKv204 = image::kMemoryNameKv204;
inline constexpr std::string_view kMemoryFlash = image::kMemoryNameFlash;

// A manufacturer code and a product code (0..255 each).
using IdPair = std::pair<int, int>;

// What the program knows about the connection, kept for the whole run.
struct ConnectionValues {
  std::string configuredMemoryType;  // from the built-in image: "I2C", "KV204", "Flash" or empty
  std::string interfaceType;         // from the device: "I2C", "KV204" or empty
  std::string ledType;               // lighting hardware: "RGB", "Sync", "MCULED", "SPITLED", ...
  int packageChoice = -1;            // the engineer page's package list index
  IdPair expectedIds{0, 0};
  IdPair reserveIds{0, 0};
  // The codes the connected device carries, shown read-only on the engineer page.
  std::optional<IdPair> deviceIds;

  // Every write of key tables, fire keys, gun table, macro block or whole image
  // needs one of the two supported interfaces.
  bool supportsStoredWrites() const {
    return interfaceType == kInterfaceI2c || interfaceType == kInterfaceKv204;
  }
  bool memoryTypeSupported() const {
    return configuredMemoryType == kInterfaceI2c || configuredMemoryType == kInterfaceKv204;
  }
};

}  // namespace mousecfg
