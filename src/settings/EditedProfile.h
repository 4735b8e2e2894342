#pragma once

#include <cstdint>
#include <functional>

#include "base/ProgramOptions.h"
#include "device/TransferResult.h"
#include "settings/FunctionMenuSizing.h"

namespace mousecfg {

class DeviceLink;

// Which of the two button profiles the key page shows and edits ("Office Mode" = 1,
// "Game Mode" = 2; the hidden radios rb_1 / rb_2 and the engineer list cb_Profile),
// the profile sub-menu items and the function menu's sizing that go with it, and the
// three mode buttons that switch the mouse's mode.
class EditedProfile {
 public:
  static constexpr int kOfficeMode = 1;
  static constexpr int kGameMode = 2;
  static constexpr int kThirdMode = 3;
  // User-section byte 3: set while game mode is active and the gun presets are offered.
  static constexpr uint8_t kGunModeFlag = 0x04;

  EditedProfile(DeviceLink& link, const ProgramOptions& options);

  int profile = kOfficeMode;
  int cb_ProfileIndex() const { return profile - 1; }
  // The profile sub-menu offers the switch to the profile not being edited.
  bool officeModeItemVisible = false;
  bool gameModeItemVisible = true;
  FunctionMenuSizing menu;

  // Set by the window: show the key page (with the page-button pictures of the current
  // skin) and refresh its labels from the given profile's table.
  std::function<void(int profile)> showKeyPage;

  // Reads the active profile (one byte at 164) from the mouse and shows its table.
  void RefreshCurrentProfileStatus();
  // The mode buttons (1 Office, 2 Game, 3 Third): write the mode bytes of the user
  // section to the mouse and edit the matching profile. False when nothing was sent or
  // the mouse refused a frame.
  bool selectMode(int mode);
  // Shows the profile the user copy names as active, without asking the mouse.
  void refreshFromImage();

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  void showActiveProfile(uint8_t userByte0);
  void selectEditedProfile(int newProfile);

  DeviceLink& link_;
  bool gdEnable_;
  bool beEnable_;
};

}  // namespace mousecfg
