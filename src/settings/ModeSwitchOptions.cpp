#include "settings/ModeSwitchOptions.h"

#include <algorithm>

#include "device/DeviceLink.h"
#include "settings/KeyTables.h"

namespace mousecfg {

using namespace modeswitch;

namespace {

// Rewrites every entry of both profile tables with edit(entry), keeping the code
// strings equal to the entries.
template <typename Edit>
void editEveryEntry(DeviceLink& link, Edit edit) {
  for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile) {
    for (int button = 1; button <= key_tables::kButtonCount; ++button) {
      ButtonEntry buttonEntry = profileEntry(link.image, profile, button);
      edit(buttonEntry);
      storeProfileEntry(link.image, link.codes, profile, button, buttonEntry);
    }
  }
}

// The first item for which pick(entry) answers one, over both profile tables.
template <typename Pick>
int firstItemOfEntries(const ConfigImage& image, Pick pick) {
  for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile)
    for (int button = 1; button <= key_tables::kButtonCount; ++button)
      if (const int item = pick(profileEntry(image, profile, button)); item != kNone) return item;
  return kNone;
}

template <typename Predicate>
bool anyEntry(const ConfigImage& image, Predicate predicate) {
  return firstItemOfEntries(image, [&](const ButtonEntry& buttonEntry) {
           return predicate(buttonEntry) ? kHoldMiddle : kNone;
         }) != kNone;
}

bool isRightButtonItem(int item) {
  return item == kBackwardWithRight || item == kForwardWithRight;
}

}  // namespace

void ModeSwitchOptions::cb_ChangeFireFunChange(int item) {
  if (link_.refreshingFlag() || item < kNone || item > kLastItem) return;
  cb_ChangeFireFun = item;
  if (isRightButtonItem(item)) cb_ChangeLEDModeFun = kLedGestureOff;
  encodeGameModeSwitch(item);
  send();
}

void ModeSwitchOptions::cb_ChangeLEDModeFunChange(int item) {
  if (link_.refreshingFlag() || (item != kLedGestureOff && item != kLedGestureOn)) return;
  cb_ChangeLEDModeFun = item;
  // The right-button switch gestures use the same button pair: they give way, in the
  // mouse as well as in the list.
  if (item == kLedGestureOn && isRightButtonItem(cb_ChangeFireFun)) {
    cb_ChangeFireFun = kNone;
    encodeGameModeSwitch(kNone);
  }
  encodeLedGesture();
  send();
}

void ModeSwitchOptions::cb_IsGunFireModeClick(bool ticked) {
  if (link_.refreshingFlag()) return;
  cb_IsGunFireMode = ticked;
  encodeGunButtons(cb_ChangeFireFun);
  send();
}

// Byte 3 of the six switch keys; a ticked LED gesture keeps the backward button's.
void ModeSwitchOptions::encodeGameModeSwitch(int item) {
  const bool ledOn = cb_ChangeLEDModeFun == kLedGestureOn;
  editEveryEntry(link_, [&](ButtonEntry& buttonEntry) {
    const std::optional<SwitchKey> key = switchKeyOf(buttonEntry);
    if (!key) return;
    buttonEntry[entry::kComboEnableByte] =
        ledOn && *key == SwitchKey::Backward ? kWithRightButton : comboEnableOfKey(*key, item);
  });
  encodeGunButtons(item);
  encodeComboKeys(item);
}

void ModeSwitchOptions::encodeGunButtons(int item) {
  const uint8_t value = cb_IsGunFireMode ? comboEnableOfItem(item) : kNoPart;
  editEveryEntry(link_, [&](ButtonEntry& buttonEntry) {
    if (isGunOrFireMacroEntry(buttonEntry, fireMacros))
      buttonEntry[entry::kComboEnableByte] = value;
  });
}

void ModeSwitchOptions::encodeLedComboKey() {
  const ButtonEntry ledKey =
      cb_ChangeLEDModeFun == kLedGestureOn ? entry::kLedModeCycle : entry::kKeyOff;
  storeComboKeyEntry(link_.image, link_.codes, kLedGestureComboKey, ledKey);
}

void ModeSwitchOptions::encodeComboKeys(int item) {
  encodeLedComboKey();
  ButtonEntry switchKey = entry::kKeyOff;
  if (item != kNone)
    switchKey = {kGameSwitchEntryHead[0], kGameSwitchEntryHead[1], kGameSwitchEntryHead[2], offset};
  storeComboKeyEntry(link_.image, link_.codes, kGameSwitchComboKey, switchKey);
}

// Switched off, the backward button keeps what the game-mode switch gives it.
void ModeSwitchOptions::encodeLedGesture() {
  encodeLedComboKey();
  const uint8_t value = cb_ChangeLEDModeFun == kLedGestureOn
                            ? kWithRightButton
                            : comboEnableOfKey(SwitchKey::Backward, cb_ChangeFireFun);
  editEveryEntry(link_, [&](ButtonEntry& buttonEntry) {
    if (switchKeyOf(buttonEntry) != SwitchKey::Backward) return;
    buttonEntry = mouseButtonEntry(entry::kBackwardButton, value);
  });
}

void ModeSwitchOptions::send() {
  if (!link_.batchFlag()) {
    link_.image.UpdateProfileChecksum();
    lastWrite = link_.transfer.writeVendorSection();
  }
  link_.host.refreshWindow();
}

void ModeSwitchOptions::refreshFromImage() {
  const ConfigImage& image = link_.image;
  cb_ChangeLEDModeFun = comboKeyEntry(image, kLedGestureComboKey) == entry::kLedModeCycle
                            ? kLedGestureOn
                            : kLedGestureOff;
  cb_ChangeFireFun = deriveGameModeSwitch();
  cb_IsGunFireMode = anyEntry(image, [&](const ButtonEntry& buttonEntry) {
    return isGunOrFireMacroEntry(buttonEntry, fireMacros) &&
           buttonEntry[entry::kComboEnableByte] != kNoPart;
  });
}

// Combo key 4 holds the switch when one is chosen; the switch key is the one whose
// combo-enable byte says so. The backward button's 2 belongs to the LED gesture while
// that is on.
int ModeSwitchOptions::deriveGameModeSwitch() const {
  const ConfigImage& image = link_.image;
  if (comboKeyEntry(image, kGameSwitchComboKey) == entry::kKeyOff) return kNone;
  const bool ledOn = cb_ChangeLEDModeFun == kLedGestureOn;
  return firstItemOfEntries(image, [&](const ButtonEntry& buttonEntry) {
    const std::optional<SwitchKey> key = switchKeyOf(buttonEntry);
    if (!key || (ledOn && *key == SwitchKey::Backward)) return kNone;
    const int item = itemOf(*key);
    return buttonEntry[entry::kComboEnableByte] == comboEnableOfItem(item) ? item : kNone;
  });
}

}  // namespace mousecfg
