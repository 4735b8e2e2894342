#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace mousecfg {

// Colours are 0xRRGGBB in the program and R, G, B bytes in the image.
using ColourBytes = std::array<uint8_t, 3>;

inline ColourBytes colourBytes(uint32_t rgb) {
  return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
          static_cast<uint8_t>(rgb)};
}

inline uint32_t colourAt(std::span<const uint8_t> section, size_t offset) {
  return uint32_t{section[offset]} << 16 | uint32_t{section[offset + 1]} << 8 | section[offset + 2];
}

}  // namespace mousecfg
