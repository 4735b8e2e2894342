#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "settings/ButtonEntry.h"

namespace mousecfg {

namespace profile_switch {

// Target profiles of a switch entry: 0 office, 1 game, 2 third mode.
inline constexpr int kTargetCount = 3;
inline constexpr uint8_t kPlainBase = 0x80;        // + target
inline constexpr uint8_t kGunDisplayBase = 0xD0;   // + target, with GD_Enable
inline constexpr uint8_t kGunDisplayByte2 = 0xF0;  // byte 2 of the GD_Enable form
inline constexpr uint8_t kReturnToZero = 0x40;     // RTZ option
inline constexpr uint8_t kAdjustXy = 0x20;         // AXY option
inline constexpr uint8_t kColourChange = 0x10;     // CC option
// Byte 1 AND this mask tells the target: 0x80, 0x81 or 0x82.
inline constexpr uint8_t kTargetMask = 0x87;
inline constexpr uint16_t kDefaultOffset = 0x18;
// The colour lists: ten colours "颜色1".."颜色10" (item i gives 16 i) and "指定颜色".
inline constexpr int kColourItemCount = 11;
inline constexpr int kFixedColourItem = 10;
inline constexpr uint8_t kFixedColourCode = 0xF0;
// Byte 2 of the combo-key form: the colour code in the high nibble, the offset's high
// bits added into the low nibble.
inline constexpr uint8_t kColourCodeMask = 0xF0;

}  // namespace profile_switch

// The engineer page's "Profile Setting" options that shape profile-switch entries.
struct ProfileSwitchOptions {
  bool returnToZero = false;                         // cb_RTZ
  bool adjustXy = false;                             // cb_AXY
  bool colourChange = false;                         // cb_CC
  uint16_t offset = profile_switch::kDefaultOffset;  // edt_OffSet
  // cb_Profile1Color..cb_Profile3Color item indexes (0..10).
  std::array<int, profile_switch::kTargetCount> colourItems{0, 0, 0};
  // The LED type list cb_LEDMode shows its second entry: every colour code is 0xF0.
  bool ledModeSecondEntry = false;
};

// The colour code of a colour list item: 16 i for "颜色1".."颜色10", 0xF0 for the last.
uint8_t switchColourCodeOfItem(int item);
// The colour code of target profile p (0..2).
uint8_t profileColourCode(const ProfileSwitchOptions& options, int target);
// The colour list item a colour code byte stands for; nullopt when no item gives it.
std::optional<int> colourItemOfCode(uint8_t code);
// The colour code byte 2 of a switch entry carries.
constexpr uint8_t switchColourCode(uint8_t byte2) {
  return byte2 & profile_switch::kColourCodeMask;
}

// 07, 0x80 + p + RTZ/AXY/CC bits, colour code + offset div 256, offset mod 256.
ButtonEntry comboKeyProfileEntry(const ProfileSwitchOptions& options, int target);
// The form stored in the profile tables: with GD_Enable 07 D0+p F0 offset for p = 0, 1;
// otherwise (and always for the third mode) 07 80+p 00 00.
ButtonEntry tableProfileEntry(const ProfileSwitchOptions& options, bool gunDisplay, int target);

// Target profile 0..2 of a switch entry; nullopt for the cycle entry and for byte-1
// values that name no profile.
std::optional<int> profileSwitchTarget(const ButtonEntry& entry);

}  // namespace mousecfg
