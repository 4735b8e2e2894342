#include "settings/ComboEnable.h"

#include <cstdio>

namespace mousecfg {

std::string comboEnableItemText(int item) {
  if (item < 0 || item >= static_cast<int>(kComboEnableValues.size())) return {};
  char text[5];
  std::snprintf(text, sizeof text, "0x%02X", kComboEnableValues[static_cast<size_t>(item)]);
  return text;
}

std::optional<int> comboEnableItemOfValue(uint8_t value) {
  for (size_t i = 0; i < kComboEnableValues.size(); ++i)
    if (kComboEnableValues[i] == value) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace mousecfg
