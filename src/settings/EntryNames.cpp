#include "settings/EntryNames.h"

#include <array>
#include <utility>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "device/DeviceMacroBlock.h"
#include "settings/EntryBuilder.h"
#include "settings/KeyCodes.h"
#include "settings/MenuItems.h"
#include "settings/ProfileSwitchEntry.h"

namespace mousecfg {

using namespace entry;
namespace menu_text = langkey::menu;

namespace {

// Entries named by comparing the whole entry. Within one category they come before the
// category's own rule, and categories never overlap, so checking them first keeps the
// rule order.
struct FixedName {
  ButtonEntry entry;
  std::string_view key;
};

constexpr std::array<FixedName, 16> kFixedNames{{
    {kKeyOff, menu_text::kKeyOff},
    {kLeftKey, menu_text::kLeftKey},
    {kRightKey, menu_text::kRightKey},
    {kLedModeCycle, menu_text::kLedMode},
    {{kCategoryLighting, kLedOnOff, 0, 0}, menu_text::kLedOnOff},
    {{kCategoryLighting, kButtonEffectSwitch, 0, 0}, menu_text::kButtonEffectSwitch},
    {kReportRateCycle, menu_text::kReportRate},
    {kFireMacroKeyAlternative1, menu_text::kFireMacroKey},
    {kFireMacroKeyAlternative2, menu_text::kFireMacroKey},
    {kFireMacroKey, menu_text::kFireMacroKey},
    {{kCategoryPower, kPowerDown, 0, 0}, menu_text::kPowerDown},
    {{kCategoryPower, kSleep, 0, 0}, menu_text::kSleep},
    {{kCategoryPower, kWakeUp, 0, 0}, menu_text::kWakeUp},
    {{kCategoryAdjustXy, kAdjustXyFn, 0, 0}, menu_text::kAdjustXyFn},
    {{kCategoryAdjustXy, kAdjustXySwitch, 0, 0}, menu_text::kAdjustXySwitch},
    {kFireMacroOff, menu_text::kFireMacroOff},
}};

// The media, web and "others" items (Desktop among them) name exactly the entries
// they build.
std::optional<std::string_view> consumerItemName(const ButtonEntry& entry) {
  for (const MenuEntry& item : menuEntries()) {
    if (item.panel != MenuPanel::Media && item.panel != MenuPanel::Web &&
        item.panel != MenuPanel::Others)
      continue;
    if (buildEntry(item.id, EntryParameters{}) == entry) return item.languageKey;
  }
  return std::nullopt;
}

std::optional<std::string_view> fixedName(const ButtonEntry& entry) {
  for (const FixedName& name : kFixedNames)
    if (name.entry == entry) return name.key;
  return consumerItemName(entry);
}

std::optional<std::string_view> mouseButtonName(const ButtonEntry& entry) {
  if (entry[0] != kCategoryMouseButton) return std::nullopt;
  if (entry[1] == kMiddleButton) return menu_text::kMiddleKey;
  if (entry[1] == kBackwardButton) return menu_text::kBackward;
  if (entry[1] == kForwardButton) return menu_text::kForward;
  return std::nullopt;
}

std::optional<std::string_view> dpiName(const ButtonEntry& entry) {
  if (entry[0] != kCategoryDpi) return std::nullopt;
  if (entry[1] == kDpiLoop) return menu_text::kDpiLoop;
  if (entry[1] == kDpiUp) return menu_text::kDpiUp;
  if (entry[1] == kDpiDown) return menu_text::kDpiDown;
  return std::nullopt;
}

// A fire-key entry names the first fire key with its count and interval.
void nameFireKey(const ButtonEntry& entry, const NamingContext& context, EntryName& name) {
  const int count = fireKeyCountOf(entry);
  const int interval = fireKeyIntervalOf(entry);
  for (size_t j = 0; j < context.fireKeys.size(); ++j) {
    const FireKeySetting& key = context.fireKeys[j];
    if (key.count != count || key.intervalMs != interval) continue;
    name.fireKey = static_cast<int>(j + 1);
    name.fireKeyContinuous = fireKeyContinuousOf(entry);
    name.text =
        context.languages.text(langkey::keyAfter(menu_text::kFireKey1, static_cast<int>(j)));
    return;
  }
}

void nameProfileSwitch(const ButtonEntry& entry, const NamingContext& context, EntryName& name) {
  if (entry[1] == 0) {
    name.text = context.languages.text(menu_text::kKbSwitchLoop);
    return;
  }
  const std::optional<int> target = profileSwitchTarget(entry);
  if (!target) return;
  name.profileTarget = target;
  name.profileColourByte = entry[2];
  name.text = context.languages.text(langkey::keyAfter(menu_text::kOfficeMode, *target));
}

std::string gunOrFireMacroName(const ButtonEntry& entry, const NamingContext& context) {
  if (context.fireMacros.present) {
    const std::optional<int> slot = context.fireMacros.slotOf(entry);
    return slot ? fireMacroName(*slot) : std::string();
  }
  const std::optional<int> gun = gunPresetOfEntry(entry);
  return gun ? context.languages.text(gunNameKey(*gun)) : std::string();
}

std::string deviceMacroName(const ButtonEntry& entry, const NamingContext& context) {
  if (!context.macrosAvailable) return {};
  const uint16_t identifier = static_cast<uint16_t>(entry[1] << 8 | entry[2]);
  for (size_t k = 0; k < macro_block::kMaxMacros; ++k) {
    const MacroSlot& slot = context.macros.slot(k);
    if (slot.used() && slot.startAddress == identifier) return macro::decodeMacroName(slot.name);
  }
  return {};
}

}  // namespace

std::optional<int> gunPresetOfEntry(const ButtonEntry& entry) {
  if (entry[0] != kCategoryGunPreset) return std::nullopt;
  const int gun = (entry[1] & ~kGunKeepLeft) + 1;
  if ((entry[1] & 0xE0) != 0 || gun < 1 || gun > kGunCount) return std::nullopt;
  const int maxStages = gun <= 5 ? 1 : gun - 4;  // gun 6: 2 stages, gun 7: 3
  if (entry[2] < 1 || entry[2] > maxStages) return std::nullopt;
  return gun;
}

std::string gunNameKey(int gun) {
  return langkey::keyAfter(langkey::caption::kGunName1, gun - 1);
}

std::string keyboardEntryText(const ButtonEntry& entry) {
  static constexpr std::array<std::pair<uint8_t, const char*>, 4> kModifiers{
      {{kModifierCtrl, "Ctrl"},
       {kModifierShift, "Shift"},
       {kModifierAlt, "Alt"},
       {kModifierWin, "Win"}}};
  std::string text;
  const auto append = [&text](const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += '+';
    text += part;
  };
  for (const auto& [bit, modifierName] : kModifiers)
    if (entry[1] & bit) append(modifierName);
  // A key the program has no name for (a media code) adds nothing rather than a stray "+".
  if (entry[2] != 0) append(nameOfDeviceCode(entry[2]));
  if (entry[3] != 0) append(nameOfDeviceCode(entry[3]));
  return text;
}

EntryName DecodeEntryName(std::string_view code, const NamingContext& context) {
  const std::optional<ButtonEntry> entry = entryOfCode(code);
  if (!entry) return {};
  return DecodeEntryName(*entry, context);
}

EntryName DecodeEntryName(const ButtonEntry& entry, const NamingContext& context) {
  const LanguageTables& languages = context.languages;
  EntryName name;
  if (const auto key = fixedName(entry)) {
    name.text = languages.text(*key);
    return name;
  }
  switch (entry[0]) {
    case kCategoryMouseButton:
      if (const auto key = mouseButtonName(entry)) name.text = languages.text(*key);
      break;
    case kCategoryAim:
      name.text = languages.text(menu_text::kAimKey);
      break;
    case kCategoryDpi:
      if (const auto key = dpiName(entry)) name.text = languages.text(*key);
      break;
    case kCategoryFireKey:
      nameFireKey(entry, context, name);
      break;
    case kCategoryProfileSwitch:
      nameProfileSwitch(entry, context, name);
      break;
    case kCategoryKeyboard:
      name.text = keyboardEntryText(entry);
      if (name.text.empty()) name.text = languages.text(menu_text::kUserDefined);
      break;
    case kCategoryGunPreset:
      name.text = gunOrFireMacroName(entry, context);
      break;
    case kCategoryMacro:
      name.text = deviceMacroName(entry, context);
      break;
    default:
      break;
  }
  return name;
}

}  // namespace mousecfg
