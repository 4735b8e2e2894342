#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mousecfg {

// A decimal edit field: its text read as a number (an empty text reads as 0). Text
// with anything but the digits 0-9 is not a number and gives nullopt. Very long
// numbers saturate rather than wrap.
std::optional<int64_t> readDecimalField(std::string_view text);

// What a decimal field shows for a value the program sets: values of 0 or less leave
// the field empty.
std::string decimalFieldText(int64_t value);

// A typed value clamped to the field's maximum: the value to store and the text the
// field shows afterwards (the typed text, or the maximum's when it was exceeded).
struct ClampedField {
  int64_t value = 0;
  std::string text;
};
std::optional<ClampedField> clampDecimalField(std::string_view typed, int64_t maximum);

}  // namespace mousecfg
