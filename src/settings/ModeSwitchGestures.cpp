#include "settings/ModeSwitchGestures.h"

#include "base/LanguageKeys.h"
#include "device/DeviceLink.h"
#include "settings/EditedProfile.h"
#include "settings/KeyTables.h"
#include "settings/ModeSwitchOptions.h"

namespace mousecfg {

using namespace modeswitch;

namespace {

constexpr int kLedGesture = 1;
constexpr int kGunGesture = 8;

// Gestures 2..7 stand for the game-mode switch list's items 1..6.
int switchItemOf(int gesture) {
  return gesture - 1;
}

}  // namespace

ModeSwitchGestures::ModeSwitchGestures(DeviceLink& link, ModeSwitchOptions& options,
                                       const EditedProfile& edited,
                                       const ProgramOptions& programOptions, bool comboKey8Enable)
    : link_(link),
      options_(options),
      edited_(edited),
      gdEnable_(programOptions.gdEnable),
      comboKey8Enable_(comboKey8Enable) {
  RefreshComboKeys();
}

bool ModeSwitchGestures::comboKey8Visible() const {
  return comboKey8Enable_ && gdEnable_ && edited_.profile == EditedProfile::kGameMode;
}

bool ModeSwitchGestures::editedProfileHasButtonFor(int gesture) const {
  for (int button = 1; button <= key_tables::kButtonCount; ++button) {
    const ButtonEntry buttonEntry = profileEntry(link_.image, edited_.profile, button);
    if (gesture == kGunGesture) {
      if (isGunOrFireMacroEntry(buttonEntry, options_.fireMacros)) return true;
      continue;
    }
    const std::optional<SwitchKey> key = switchKeyOf(buttonEntry);
    if (!key) continue;
    if (gesture == kLedGesture ? *key == SwitchKey::Backward
                               : itemOf(*key) == switchItemOf(gesture))
      return true;
  }
  return false;
}

void ModeSwitchGestures::comboKeyClick(int gesture) {
  if (gesture < 1 || gesture > kGestureCount || link_.refreshingFlag()) return;
  if (gesture == kGunGesture && !comboKey8Visible()) return;
  if (!editedProfileHasButtonFor(gesture)) return;
  if (gesture == kLedGesture) {
    options_.cb_ChangeLEDModeFunChange(
        options_.cb_ChangeLEDModeFun == kLedGestureOn ? kLedGestureOff : kLedGestureOn);
  } else if (gesture == kGunGesture) {
    options_.cb_IsGunFireModeClick(!options_.cb_IsGunFireMode);
  } else {
    const int item = switchItemOf(gesture);
    options_.cb_ChangeFireFunChange(options_.cb_ChangeFireFun == item ? kNone : item);
  }
  RefreshComboKeys();
}

void ModeSwitchGestures::RefreshComboKeys() {
  ticked[kLedGesture - 1] = options_.cb_ChangeLEDModeFun == kLedGestureOn;
  for (int gesture = 2; gesture < kGunGesture; ++gesture)
    ticked[static_cast<size_t>(gesture - 1)] = options_.cb_ChangeFireFun == switchItemOf(gesture);
  ticked[kGunGesture - 1] = options_.cb_IsGunFireMode;
}

void ModeSwitchGestures::refreshFromImage() {
  options_.refreshFromImage();
  RefreshComboKeys();
}

std::string ModeSwitchGestures::captionKey(int gesture) {
  return langkey::keyAfter(langkey::caption::kGesture1, gesture - 1);
}

std::string_view ModeSwitchGestures::tickPicture(int gesture) const {
  if (gesture < 1 || gesture > kGestureCount) return kUntickedPicture;
  return ticked[static_cast<size_t>(gesture - 1)] ? kTickedPicture : kUntickedPicture;
}

}  // namespace mousecfg
