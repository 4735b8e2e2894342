#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace mousecfg::macro {

// A macro name is 8 UTF-16 code units, high byte first; unused units are 0x0000.
inline constexpr size_t kNameLength = 16;

// The name as UTF-8 text, up to the first 0x0000 unit. A surrogate without its
// partner becomes U+FFFD.
std::string decodeMacroName(std::span<const uint8_t, kNameLength> name);

}  // namespace mousecfg::macro
