#include "settings/ProfileSwitchEntry.h"

#include <algorithm>

namespace mousecfg {

using namespace profile_switch;

namespace {

constexpr int kThirdMode = 2;
constexpr uint8_t kColourStep = 16;

int clampedTarget(int target) {
  return std::clamp(target, 0, kTargetCount - 1);
}

}  // namespace

uint8_t switchColourCodeOfItem(int item) {
  if (item < 0) return 0;
  if (item >= kFixedColourItem) return kFixedColourCode;
  return static_cast<uint8_t>(kColourStep * item);
}

uint8_t profileColourCode(const ProfileSwitchOptions& options, int target) {
  if (options.ledModeSecondEntry) return kFixedColourCode;
  return switchColourCodeOfItem(options.colourItems[static_cast<size_t>(clampedTarget(target))]);
}

std::optional<int> colourItemOfCode(uint8_t code) {
  if (code == kFixedColourCode) return kFixedColourItem;
  if (code % kColourStep != 0 || code / kColourStep >= kFixedColourItem) return std::nullopt;
  return code / kColourStep;
}

ButtonEntry comboKeyProfileEntry(const ProfileSwitchOptions& options, int target) {
  const int p = clampedTarget(target);
  uint8_t byte1 = static_cast<uint8_t>(kPlainBase + p);
  if (options.returnToZero) byte1 |= kReturnToZero;
  if (options.adjustXy) byte1 |= kAdjustXy;
  if (options.colourChange) byte1 |= kColourChange;
  const auto byte2 = static_cast<uint8_t>(profileColourCode(options, p) + (options.offset >> 8));
  return {entry::kCategoryProfileSwitch, byte1, byte2, static_cast<uint8_t>(options.offset & 0xFF)};
}

ButtonEntry tableProfileEntry(const ProfileSwitchOptions& options, bool gunDisplay, int target) {
  const int p = clampedTarget(target);
  if (gunDisplay && p != kThirdMode)
    return {entry::kCategoryProfileSwitch, static_cast<uint8_t>(kGunDisplayBase + p),
            kGunDisplayByte2, static_cast<uint8_t>(options.offset & 0xFF)};
  return {entry::kCategoryProfileSwitch, static_cast<uint8_t>(kPlainBase + p), 0x00, 0x00};
}

std::optional<int> profileSwitchTarget(const ButtonEntry& entry) {
  if (entry[0] != entry::kCategoryProfileSwitch || entry[1] == 0) return std::nullopt;
  const int target = (entry[1] & kTargetMask) - kPlainBase;
  if (target < 0 || target >= kTargetCount) return std::nullopt;
  return target;
}

}  // namespace mousecfg
