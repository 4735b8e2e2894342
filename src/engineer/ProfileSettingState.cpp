#include "engineer/ProfileSettingState.h"

#include "device/DeviceLink.h"
#include "settings/ButtonAssignment.h"
#include "settings/EditedProfile.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

namespace {

// User byte 0 keeps the profile colour above the profile code.
constexpr uint8_t kProfileColourMask = 0xF0;

bool isOnOffItem(int item) {
  return item == ProfileSettingState::kDisable || item == ProfileSettingState::kEnable;
}

}  // namespace

const ProfileSwitchOptions& ProfileSettingState::options() const {
  return assignment_.parameters.profileSwitch;
}

int ProfileSettingState::cb_Profile() const {
  return edited_.cb_ProfileIndex();
}

int ProfileSettingState::cb_ProfileColor() const {
  const uint8_t code = link_.image.user[image::kUserActiveProfile] & kProfileColourMask;
  return colourItemOfCode(code).value_or(0);
}

int ProfileSettingState::cb_RTZ() const {
  return options().returnToZero ? kEnable : kDisable;
}

int ProfileSettingState::cb_AXY() const {
  return options().adjustXy ? kEnable : kDisable;
}

int ProfileSettingState::cb_CC() const {
  return options().colourChange ? kEnable : kDisable;
}

int ProfileSettingState::profileSwitchColour(int target) const {
  if (target < 0 || target >= profile_switch::kTargetCount) return 0;
  return options().colourItems[static_cast<size_t>(target)];
}

void ProfileSettingState::cb_ProfileChange(int item) {
  if (item < 0 || item >= kProfileItems || link_.refreshingFlag()) return;
  lastWrite = {};
  edited_.lastWrite = {};
  edited_.selectMode(item + EditedProfile::kOfficeMode);
  lastWrite = edited_.lastWrite;
}

// The checksum goes before byte 0: writing byte 0 makes the mouse re-apply the user
// section, which must by then be whole.
void ProfileSettingState::cb_ProfileColorChange(int item) {
  if (item < 0 || item >= profile_switch::kColourItemCount || link_.refreshingFlag()) return;
  const auto colour = static_cast<uint8_t>(switchColourCodeOfItem(item) & kProfileColourMask);
  uint8_t byte0 = link_.image.user[image::kUserActiveProfile];
  byte0 = static_cast<uint8_t>((byte0 & ~kProfileColourMask) | colour);
  storeUserBytes(link_, image::kUserActiveProfile, std::array{byte0});
  lastWrite = sendUserChecksum(link_);
  lastWrite += sendUserBytes(link_, image::kUserActiveProfile, 1);
}

void ProfileSettingState::setOption(bool ProfileSwitchOptions::*option, int item) {
  if (!isOnOffItem(item) || link_.refreshingFlag()) return;
  assignment_.parameters.profileSwitch.*option = item == kEnable;
}

void ProfileSettingState::cb_RTZChange(int item) {
  setOption(&ProfileSwitchOptions::returnToZero, item);
}

void ProfileSettingState::cb_AXYChange(int item) {
  setOption(&ProfileSwitchOptions::adjustXy, item);
}

void ProfileSettingState::cb_CCChange(int item) {
  setOption(&ProfileSwitchOptions::colourChange, item);
}

void ProfileSettingState::profileSwitchColourChange(int target, int item) {
  assignment_.lastWrite = {};
  (void)assignment_.profileColourChange(target, item);
  lastWrite = assignment_.lastWrite;
}

}  // namespace mousecfg
