#include "engineer/HexField.h"

#include <algorithm>

#include "base/HexText.h"

namespace mousecfg {

namespace {

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

bool isHexFieldText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), isHexDigit);
}

std::optional<ClampedHexField> clampHexField(std::string_view typed, uint32_t maximum) {
  if (!isHexFieldText(typed)) return std::nullopt;
  // Leading zeros carry no value; what is left decides whether the value fits.
  const size_t firstDigit = std::min(typed.find_first_not_of('0'), typed.size());
  const std::optional<uint32_t> value = readHexDigits(typed.substr(firstDigit));
  if (!value || *value > maximum) return ClampedHexField{maximum, hexDigits(maximum, 2)};
  return ClampedHexField{*value, std::string(typed)};
}

}  // namespace mousecfg
