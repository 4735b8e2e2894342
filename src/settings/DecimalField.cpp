#include "settings/DecimalField.h"

#include <limits>

namespace mousecfg {

std::optional<int64_t> readDecimalField(std::string_view text) {
  constexpr int64_t kSaturated = std::numeric_limits<int64_t>::max() / 10 - 10;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (value < kSaturated) value = value * 10 + (c - '0');
  }
  return value;
}

std::string decimalFieldText(int64_t value) {
  return value <= 0 ? std::string{} : std::to_string(value);
}

std::optional<ClampedField> clampDecimalField(std::string_view typed, int64_t maximum) {
  const std::optional<int64_t> value = readDecimalField(typed);
  if (!value) return std::nullopt;
  if (*value > maximum) return ClampedField{maximum, std::to_string(maximum)};
  return ClampedField{*value, std::string(typed)};
}

}  // namespace mousecfg
