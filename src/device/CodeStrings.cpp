#include "device/CodeStrings.h"

namespace mousecfg {

std::string entryCode(std::span<const uint8_t> entry) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string code;
  code.reserve(entry.size() * 2);
  for (uint8_t byte : entry) {
    code += kDigits[byte >> 4];
    code += kDigits[byte & 0x0F];
  }
  return code;
}

}  // namespace mousecfg
