#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/ProgramOptions.h"
#include "base/WindowControls.h"

namespace mousecfg {

class DeviceLink;
class EditedProfile;
class ModeSwitchOptions;

// The key page's eight gesture options (labels IB_ComboKey1..IB_ComboKey8, texts
// langkey::caption::kGesture1 and the seven keys after it, each with a tick picture). A
// gesture can be toggled only when a button of the edited profile has the function it
// needs; toggling runs the engineer page's handler of the list behind it:
//   1 right + back cycles the LED mode ("Backward")     cb_ChangeLEDModeFun 0 <-> 1
//   2..7 office/game switch gestures, one at a time     cb_ChangeFireFun = 1..6 or 0
//       (hold "Middle Key", "DPI Loop", "DPI +", "DPI -"; "Backward" / "Forward" + right)
//   8 gun key switches office/game (a gun preset)       cb_IsGunFireMode
class ModeSwitchGestures {
 public:
  static constexpr int kGestureCount = 8;
  static constexpr std::string_view kTickedPicture = kPictureTicked;
  static constexpr std::string_view kUntickedPicture = kPictureUnticked;

  // comboKey8Enable is the layout option ComboKey8_Enable of the language in use.
  ModeSwitchGestures(DeviceLink& link, ModeSwitchOptions& options, const EditedProfile& edited,
                     const ProgramOptions& programOptions, bool comboKey8Enable);

  // Tick of gesture n at index n - 1.
  std::array<bool, kGestureCount> ticked{};

  // The gun-key gesture is offered only in game mode with the gun presets shown and
  // the layout option set.
  bool comboKey8Visible() const;
  void setComboKey8Enable(bool enable) { comboKey8Enable_ = enable; }

  // IB_ComboKey1Click..IB_ComboKey8Click: gesture 1..8.
  void comboKeyClick(int gesture);

  // RefreshComboKey1..8: the ticks from the engineer lists.
  void RefreshComboKeys();
  // Re-reads the lists from the image, then the ticks.
  void refreshFromImage();

  // The caption key ("Str700".."Str707") and the tick picture of gesture n (1..8).
  static std::string captionKey(int gesture);
  std::string_view tickPicture(int gesture) const;

 private:
  bool editedProfileHasButtonFor(int gesture) const;

  DeviceLink& link_;
  ModeSwitchOptions& options_;
  const EditedProfile& edited_;
  bool gdEnable_;
  bool comboKey8Enable_;
};

}  // namespace mousecfg
