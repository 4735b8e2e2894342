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

MacroNameBytes encodeMacroName(std::string_view name) {
  constexpr size_t kUnits = kNameLength / 2;
  std::u16string units = utf16FromUtf8(name);
  if (units.size() > kUnits) {
    units.resize(kUnits);
    if (units.back() >= 0xD800 && units.back() <= 0xDBFF) units.pop_back();
  }
  MacroNameBytes bytes{};
  for (size_t i = 0; i < units.size(); ++i) {
    bytes[2 * i] = static_cast<uint8_t>(units[i] >> 8);
    bytes[2 * i + 1] = static_cast<uint8_t>(units[i] & 0xFF);
  }
  return bytes;
}

}  // namespace mousecfg::macro
