#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mousecfg {

// A hexadecimal edit field of the engineer page: it takes only the characters 0-9,
// a-f and A-F, and an empty text reads as 0.
bool isHexFieldText(std::string_view text);

// A typed value clamped to the field's maximum: the value to store and the text the
// field shows afterwards (the typed text, or the maximum in two or more upper-case
// digits when it was exceeded). nullopt for text the field does not take.
struct ClampedHexField {
  uint32_t value = 0;
  std::string text;
};
std::optional<ClampedHexField> clampHexField(std::string_view typed, uint32_t maximum);

}  // namespace mousecfg
