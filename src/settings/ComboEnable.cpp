#include "settings/ComboEnable.h"

#include "base/HexText.h"

namespace mousecfg {

std::string comboEnableItemText(int item) {
  if (item < 0 || item >= static_cast<int>(kComboEnableValues.size())) return {};
  return "0x" + hexDigits(kComboEnableValues[static_cast<size_t>(item)], 2);
}

std::optional<int> comboEnableItemOfValue(uint8_t value) {
  for (size_t i = 0; i < kComboEnableValues.size(); ++i)
    if (kComboEnableValues[i] == value) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace mousecfg
