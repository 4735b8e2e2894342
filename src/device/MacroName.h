#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mousecfg::macro {

// A macro name is 8 UTF-16 code units, high byte first; unused units are 0x0000.
inline constexpr size_t kNameLength = 16;

using MacroNameBytes = std::array<uint8_t, kNameLength>;

// A typed name as the 16 name bytes: its UTF-16 code units high byte first, zero
// filled. A name longer than 8 units is cut at 8, never inside a surrogate pair.
MacroNameBytes encodeMacroName(std::string_view name);

// The name as UTF-8 text, up to the first 0x0000 unit. A surrogate without its
// partner becomes U+FFFD.
std::string decodeMacroName(std::span<const uint8_t, kNameLength> name);

}  // namespace mousecfg::macro
