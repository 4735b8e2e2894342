#pragma once

#include <cstdint>

#include "device/TransferResult.h"
#include "settings/FireMacroNaming.h"
#include "settings/ModeSwitchKeys.h"

namespace mousecfg {

class DeviceLink;

// The engineer page's mode-switch options: which gesture switches between office and
// game mode (`cb_ChangeFireFun`), whether right + back cycles the LED mode
// (`cb_ChangeLEDModeFun`) and whether gun buttons take part in the switch
// (`cb_IsGunFireMode`). Each change encodes the choice into the combo-enable bytes of
// both profile tables and combo keys 2 and 4, then writes the vendor section and the
// key tables. The key page's gestures run these same handlers.
//
// The two gesture families share combo key 2 and the backward button's byte 3, so
// they are kept consistent with each other: the LED gesture excludes the two
// right-button switch gestures (whichever is chosen last wins, and the other is
// switched off in the mouse as well as in the lists), and a hold gesture leaves a
// ticked LED gesture working.
class ModeSwitchOptions {
 public:
  explicit ModeSwitchOptions(DeviceLink& link) : link_(link) {}

  int cb_ChangeFireFun = modeswitch::kNone;              // 0..6
  int cb_ChangeLEDModeFun = modeswitch::kLedGestureOff;  // 0 none, 1 right + back
  bool cb_IsGunFireMode = false;
  // The "OffSet:" field of the engineer page (edt_OffSet), the last byte of combo key 4.
  uint8_t offset = modeswitch::kDefaultOffset;
  // The fire macro codes read at start-up: while present, they name the gun buttons.
  FireMacroCodeSet fireMacros;

  // The list handlers; an item outside the list is ignored.
  void cb_ChangeFireFunChange(int item);
  void cb_ChangeLEDModeFunChange(int item);
  void cb_IsGunFireModeClick(bool ticked);

  // Sets the three options from what the image says the mouse does.
  void refreshFromImage();

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  void encodeGameModeSwitch(int item);
  void encodeGunButtons(int item);
  void encodeLedGesture();
  void encodeLedComboKey();
  void encodeComboKeys(int item);
  void send();
  int deriveGameModeSwitch() const;

  DeviceLink& link_;
};

}  // namespace mousecfg
