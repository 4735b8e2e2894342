#include "settings/EntryParameters.h"

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

void readFireKeySettings(const FireKeyBlock& block, FireKeySettings& settings) {
  for (size_t j = 0; j < settings.size(); ++j) {
    const size_t at = image::kFireKeyParamsOffset + j * image::kFireKeyParamsLength;
    settings[j].count = block[at] + 1;
    settings[j].intervalMs = block[at + 1] << 8 | block[at + 2];
  }
}

}  // namespace mousecfg
