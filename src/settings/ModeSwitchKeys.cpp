#include "settings/ModeSwitchKeys.h"

#include <algorithm>

#include "settings/EntryNames.h"
#include "settings/FireMacroNaming.h"

namespace mousecfg::modeswitch {

namespace {

struct SwitchKeyCode {
  SwitchKey key;
  uint8_t category;
  uint8_t function;
};

constexpr std::array<SwitchKeyCode, kSwitchKeyCount> kSwitchKeys{{
    {SwitchKey::Middle, entry::kCategoryMouseButton, entry::kMiddleButton},
    {SwitchKey::DpiLoop, entry::kCategoryDpi, entry::kDpiLoop},
    {SwitchKey::DpiPlus, entry::kCategoryDpi, entry::kDpiUp},
    {SwitchKey::DpiMinus, entry::kCategoryDpi, entry::kDpiDown},
    {SwitchKey::Backward, entry::kCategoryMouseButton, entry::kBackwardButton},
    {SwitchKey::Forward, entry::kCategoryMouseButton, entry::kForwardButton},
}};

}  // namespace

std::optional<SwitchKey> switchKeyOf(const ButtonEntry& buttonEntry) {
  for (const SwitchKeyCode& code : kSwitchKeys)
    if (buttonEntry[0] == code.category && buttonEntry[1] == code.function) return code.key;
  return std::nullopt;
}

int itemOf(SwitchKey key) {
  return static_cast<int>(key) + 1;
}

uint8_t comboEnableOfItem(int item) {
  if (item >= kHoldMiddle && item <= kHoldDpiMinus) return kHoldToSwitch;
  if (item == kBackwardWithRight || item == kForwardWithRight) return kWithRightButton;
  return kNoPart;
}

uint8_t comboEnableOfKey(SwitchKey key, int item) {
  return itemOf(key) == item ? comboEnableOfItem(item) : kNoPart;
}

bool isGunOrFireMacroEntry(const ButtonEntry& buttonEntry, const FireMacroCodeSet& fireMacros) {
  if (buttonEntry[0] != entry::kCategoryGunPreset) return false;
  if (fireMacros.present) return fireMacros.slotOf(buttonEntry).has_value();
  return gunPresetOfEntry(buttonEntry).has_value();
}

}  // namespace mousecfg::modeswitch
