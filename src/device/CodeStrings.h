#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "device/ImageMap.h"

namespace mousecfg {

// The 8 upper-case hex digits of every button entry: 1..12 profile 1, 13..24 profile 2
// (index 0..23 here), and the nine combo-key entries of the vendor section.
struct CodeStrings {
  std::array<std::string, 2 * image::kButtonCount> keys;
  std::array<std::string, image::kComboKeyCount> combos;
};

// "0692001E" for the entry 06 92 00 1E.
std::string entryCode(std::span<const uint8_t> entry);

}  // namespace mousecfg
