#pragma once

#include <array>

#include "device/ConfigImage.h"
#include "settings/ComboEnable.h"
#include "settings/ProfileSwitchEntry.h"

namespace mousecfg {

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
