#include "device/CodeStrings.h"

#include "base/HexText.h"

namespace mousecfg {

std::string entryCode(std::span<const uint8_t> entry) {
  return hexBytes(entry, "");
}

}  // namespace mousecfg
