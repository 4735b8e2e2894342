#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/ConfigImage.h"
#include "settings/ProfileSwitchEntry.h"

namespace mousecfg {

// The seven lists of the engineer page's group "Combo Enable". Each chosen byte is
// byte 3 of the entries of its kind.
enum class ComboEnableList {
  Middle = 0,
  Back = 1,
  Forward = 2,
  Cpi = 3,      // DPI Loop entries
  CpiUp = 4,    // DPI + entries
  CpiDown = 5,  // DPI - entries
  Gun = 6,      // gun preset and fire macro entries
};

inline constexpr size_t kComboEnableListCount = 7;
// The items every list offers, in list order: "0x00", "0x01", "0x02", ... "0x80".
inline constexpr std::array<uint8_t, 9> kComboEnableValues{0x00, 0x01, 0x02, 0x04, 0x08,
                                                           0x10, 0x20, 0x40, 0x80};

// "0x20" for item 6; empty outside the list.
std::string comboEnableItemText(int item);
// The item that offers `value`; nullopt for a value no item offers.
std::optional<int> comboEnableItemOfValue(uint8_t value);

// The bytes chosen in the seven lists.
struct ComboEnableBytes {
  std::array<uint8_t, kComboEnableListCount> bytes{};

  uint8_t of(ComboEnableList list) const { return bytes[static_cast<size_t>(list)]; }
  void set(ComboEnableList list, uint8_t value) { bytes[static_cast<size_t>(list)] = value; }
};

// One rapid-fire key as the pages keep it: shot count, interval and the Continuous
// option, which lives only in the button entries.
struct FireKeySetting {
  int count = 1;
  int intervalMs = 0;
  bool continuous = false;
  bool operator==(const FireKeySetting&) const = default;
};

inline constexpr size_t kFireKeyCount = image::kFireKeyCount;
using FireKeySettings = std::array<FireKeySetting, kFireKeyCount>;

// Counts and intervals from the fire-key block; the Continuous options are kept.
void readFireKeySettings(const FireKeyBlock& block, FireKeySettings& settings);

// What a menu choice needs besides its identifier to become an entry. Other pages own
// most of these values (the engineer page's lists, the Advanced page's fire keys and
// AIM DPI) and keep them here up to date.
struct EntryParameters {
  ComboEnableBytes comboEnable;
  // The AIM DPI step + 1, as the Advanced page keeps it.
  int aimStepNumber = 1;
  FireKeySettings fireKeys{};
  ProfileSwitchOptions profileSwitch;
  // Layout flag GD_Enable: profile switches in the tables take their gun-display form.
  bool gunDisplay = false;
};

}  // namespace mousecfg
