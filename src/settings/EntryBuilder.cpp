#include "settings/EntryBuilder.h"

#include "settings/MenuItems.h"

namespace mousecfg {

using namespace menu_id;

namespace {

// The consumer usages of the media, web and "others" items, in identifier order.
constexpr uint16_t kMediaUsages[] = {0x00CD, 0x00B7, 0x00B6, 0x00B5, 0x00E9, 0x00EA, 0x00E2};
constexpr uint16_t kWebUsages[] = {0x0223, 0x0221, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A};
constexpr uint16_t kOtherUsages[] = {0x0194, 0x0192, 0x018A};

template <size_t N>
std::optional<uint16_t> usageIn(const uint16_t (&usages)[N], int first, int id) {
  if (id < first || id >= first + static_cast<int>(N)) return std::nullopt;
  return usages[id - first];
}

std::optional<ButtonEntry> consumerItem(int id) {
  if (auto usage = usageIn(kMediaUsages, kPlayPause, id)) return consumerEntry(*usage);
  if (auto usage = usageIn(kWebUsages, kWebHome, id)) return consumerEntry(*usage);
  if (auto usage = usageIn(kOtherUsages, kMyComputer, id)) return consumerEntry(*usage);
  return std::nullopt;
}

ButtonEntry fireKeyItem(int id, const EntryParameters& parameters) {
  const FireKeySetting& key = parameters.fireKeys[static_cast<size_t>(id - kFireKey1)];
  return fireKeyEntry(key.count, key.intervalMs, key.continuous);
}

ButtonEntry profileItem(int id, const EntryParameters& parameters, EntryTarget target) {
  if (id == kKbSwitchLoop) return entry::kKbSwitchLoop;
  const int profile = id - kOfficeMode;
  if (target == EntryTarget::ComboKey)
    return comboKeyProfileEntry(parameters.profileSwitch, profile);
  return tableProfileEntry(parameters.profileSwitch, parameters.gunDisplay, profile);
}

}  // namespace

ButtonEntry buildEntry(int id, const EntryParameters& parameters, EntryTarget target) {
  const ComboEnableBytes& combo = parameters.comboEnable;
  switch (id) {
    case kLeftKey:
      return entry::kLeftKey;
    case kRightKey:
      return entry::kRightKey;
    case kMiddleKey:
      return mouseButtonEntry(entry::kMiddleButton, combo.of(ComboEnableList::Middle));
    case kBackward:
      return mouseButtonEntry(entry::kBackwardButton, combo.of(ComboEnableList::Back));
    case kForward:
      return mouseButtonEntry(entry::kForwardButton, combo.of(ComboEnableList::Forward));
    case kAimKey:
      return aimEntry(parameters.aimStepNumber - 1);
    case kLedMode:
      return entry::kLedModeCycle;
    case kLedOnOff:
      return lightingEntry(entry::kLedOnOff);
    case kButtonEffectSwitch:
      return lightingEntry(entry::kButtonEffectSwitch);
    case kReportRate:
      return entry::kReportRateCycle;
    case kFireMacroKey:
      return entry::kFireMacroKey;
    case kFireMacroOff:
      return entry::kFireMacroOff;
    case kKeyOff:
      return entry::kKeyOff;
    case kDesktop:
      return entry::kDesktop;
    case kDpiLoop:
      return dpiEntry(entry::kDpiLoop, combo.of(ComboEnableList::Cpi));
    case kDpiUp:
      return dpiEntry(entry::kDpiUp, combo.of(ComboEnableList::CpiUp));
    case kDpiDown:
      return dpiEntry(entry::kDpiDown, combo.of(ComboEnableList::CpiDown));
    case kFireKey1:
    case kFireKey2:
    case kFireKey3:
      return fireKeyItem(id, parameters);
    case kPowerDown:
      return powerEntry(entry::kPowerDown);
    case kSleep:
      return powerEntry(entry::kSleep);
    case kWakeUp:
      return powerEntry(entry::kWakeUp);
    case kOfficeMode:
    case kGameMode:
    case kThirdMode:
    case kKbSwitchLoop:
      return profileItem(id, parameters, target);
    case kAdjustXyFn:
      return adjustXyEntry(entry::kAdjustXyFn);
    case kAdjustXySwitch:
      return adjustXyEntry(entry::kAdjustXySwitch);
    default:
      break;
  }
  return consumerItem(id).value_or(entry::kKeyOff);
}

}  // namespace mousecfg
