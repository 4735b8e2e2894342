#pragma once

#include <array>
#include <cstdint>

#include "device/TransferResult.h"
#include "settings/ProfileSwitchEntry.h"

namespace mousecfg {

class ButtonAssignment;
class DeviceLink;
class EditedProfile;

// The engineer page's "Profile Setting" group: the profile the mouse uses and edits
// (cb_Profile, the low nibble of user byte 0) with its colour (cb_ProfileColor, the
// high nibble), and the options that shape the profile-switch entries: return to
// zero, adjust XY, colour change and the colour each switch target shows.
class ProfileSettingState {
 public:
  static constexpr int kDisable = 0;
  static constexpr int kEnable = 1;
  static constexpr int kProfileItems = 2;  // office mode, game mode

  ProfileSettingState(DeviceLink& link, EditedProfile& edited, ButtonAssignment& assignment)
      : link_(link), edited_(edited), assignment_(assignment) {}

  // The items the lists show (cb_RTZ, cb_AXY and cb_CC are Disable/Enable).
  int cb_Profile() const;
  int cb_ProfileColor() const;
  int cb_RTZ() const;
  int cb_AXY() const;
  int cb_CC() const;
  int profileSwitchColour(int target) const;  // cb_Profile1Color..cb_Profile3Color

  // Handlers; items outside a list are ignored, and nothing happens while the window
  // is being refreshed.
  void cb_ProfileChange(int item);
  void cb_ProfileColorChange(int item);
  void cb_RTZChange(int item);
  void cb_AXYChange(int item);
  void cb_CCChange(int item);
  void profileSwitchColourChange(int target, int item);

  // What the mouse made of the last change sent.
  TransferResult lastWrite;

 private:
  void setOption(bool ProfileSwitchOptions::*option, int item);
  const ProfileSwitchOptions& options() const;

  DeviceLink& link_;
  EditedProfile& edited_;
  ButtonAssignment& assignment_;
};

}  // namespace mousecfg
