#include "device/MacroName.h"

#include "base/Utf16Text.h"

namespace mousecfg::macro {

std::string decodeMacroName(std::span<const uint8_t, kNameLength> name) {
  constexpr size_t kUnits = kNameLength / 2;
  char16_t units[kUnits];
  size_t count = 0;
  for (; count < kUnits; ++count) {
    units[count] = static_cast<char16_t>(name[2 * count] << 8 | name[2 * count + 1]);
    if (units[count] == 0) break;
  }
  return utf8FromUtf16(std::span<const char16_t>(units, count));
}

}  // namespace mousecfg::macro
