#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/ImageMap.h"

namespace mousecfg {

// The USB product string of the vendor section: up to 16 single-byte characters
// (U+0000..U+00FF, one byte each), the rest of the field zero.
using ProductStringBytes = std::array<uint8_t, image::kProductStringLength>;

// What the descriptor edit takes from a typed text: at most its first 16 characters,
// as the field's bytes and as the text the edit then shows. nullopt when one of those
// characters has no single-byte form.
struct ProductString {
  ProductStringBytes bytes{};
  std::string text;
};
std::optional<ProductString> productStringOf(std::string_view typed);

// The field's text: its characters up to the first zero byte.
std::string productStringText(std::span<const uint8_t> field);

}  // namespace mousecfg
