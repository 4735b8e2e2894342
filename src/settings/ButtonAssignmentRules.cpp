// Rules that rewrite the entries of many buttons at once: the AIM DPI, the macro
// re-linking around changes of the macro store, the combo-enable lists and the
// profile-switch colours.
#include <algorithm>
#include <array>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "device/DeviceLink.h"
#include "settings/AimKeyEntries.h"
#include "settings/ButtonAssignment.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

namespace menu_text = langkey::menu;

constexpr int kProfiles = 2;
constexpr int kGunNames = 7;
constexpr std::array kProfileSwitchTargets{menu_text::kOfficeMode, menu_text::kGameMode,
                                           menu_text::kThirdMode};

size_t noteIndex(int profile, int button) {
  return static_cast<size_t>((profile - 1) * ButtonAssignment::kButtons + button - 1);
}

std::optional<size_t> positionOf(const std::vector<std::string>& names, const std::string& name) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return std::nullopt;
  return static_cast<size_t>(found - names.begin());
}

}  // namespace

bool ButtonAssignment::SettingAIMKey(int aimStepNumber) {
  parameters.aimStepNumber = std::max(aimStepNumber, 1);
  const int found =
      reencodeAimEntries(link_, static_cast<uint8_t>(parameters.aimStepNumber - 1), lastWrite);
  if (found > 0) return true;
  if (!link_.batchFlag()) {
    parameters.aimStepNumber = 1;
    link_.host.showMessage(langkey::message::kSelectAimKey);
  }
  return false;
}

// Only buttons that play a device macro are noted: a key combination that happens to
// be named like a macro keeps its entry.
void ButtonAssignment::InitKeysParameters() {
  notedMacroNames_ = {};
  if (!macrosAvailable()) return;
  const std::vector<std::string> names = link_.macros.names();
  for (int profile = 1; profile <= kProfiles; ++profile) {
    for (int k = 1; k <= kButtons; ++k) {
      if (profileEntry(link_.image, profile, k)[0] != entry::kCategoryMacro) continue;
      const std::string name = nameOfCode(profileCode(link_.codes, profile, k));
      if (!name.empty() && positionOf(names, name)) notedMacroNames_[noteIndex(profile, k)] = name;
    }
  }
}

void ButtonAssignment::RefreshKeysParameters() {
  const std::vector<std::string> names = link_.macros.names();
  for (int profile = 1; profile <= kProfiles; ++profile) {
    for (int k = 1; k <= kButtons; ++k) {
      const std::optional<std::string>& noted = notedMacroNames_[noteIndex(profile, k)];
      if (!noted) continue;
      const std::optional<size_t> position = positionOf(names, *noted);
      const std::optional<MacroButtonEntry> entry =
          position ? link_.macros.buttonEntry(*position) : std::nullopt;
      storeProfileEntry(link_.image, link_.codes, profile, k, entry.value_or(entry::kKeyOff));
    }
  }
  notedMacroNames_ = {};
  refreshFromImage();
}

void ButtonAssignment::TLRefreshComboEn() {
  if (link_.refreshingFlag()) return;
  if (updateParameters) updateParameters(parameters);
  const ComboEnableBytes& combo = parameters.comboEnable;
  const auto mouseButton = [&](uint8_t bit, ComboEnableList list) {
    return std::optional(mouseButtonEntry(bit, combo.of(list)));
  };
  const auto dpi = [&](uint8_t action, ComboEnableList list) {
    return std::optional(dpiEntry(action, combo.of(list)));
  };
  std::vector<std::string> gunNames;
  for (int gun = 1; gun <= kGunNames; ++gun) gunNames.push_back(text(gunNameKey(gun)));
  for (size_t slot = 1; slot <= fire_macro::kCodeCount; ++slot)
    gunNames.push_back(fireMacroName(static_cast<int>(slot)));

  for (int profile = 1; profile <= kProfiles; ++profile) {
    for (int k = 1; k <= kButtons; ++k) {
      const std::string& name =
          engineerCaptions[static_cast<size_t>(profile - 1)][static_cast<size_t>(k - 1)];
      std::optional<ButtonEntry> entry;
      if (name == text(menu_text::kMiddleKey))
        entry = mouseButton(entry::kMiddleButton, ComboEnableList::Middle);
      if (name == text(menu_text::kBackward))
        entry = mouseButton(entry::kBackwardButton, ComboEnableList::Back);
      if (name == text(menu_text::kForward))
        entry = mouseButton(entry::kForwardButton, ComboEnableList::Forward);
      if (name == text(menu_text::kDpiLoop)) entry = dpi(entry::kDpiLoop, ComboEnableList::Cpi);
      if (name == text(menu_text::kDpiUp)) entry = dpi(entry::kDpiUp, ComboEnableList::CpiUp);
      if (name == text(menu_text::kDpiDown)) entry = dpi(entry::kDpiDown, ComboEnableList::CpiDown);
      if (!name.empty() && positionOf(gunNames, name)) {
        entry = profileEntry(link_.image, profile, k);
        entry->at(entry::kComboEnableByte) = combo.of(ComboEnableList::Gun);
      }
      if (entry) storeProfileEntry(link_.image, link_.codes, profile, k, *entry);
    }
  }
  applyUnlessBatch();
}

// The switch buttons to profile `switchTarget` take the combo-key form, which carries the
// colour the mouse shows on switching.
bool ButtonAssignment::profileColourChange(int switchTarget, int item) {
  if (switchTarget < 0 || switchTarget >= profile_switch::kTargetCount) return false;
  if (item < 0 || item >= profile_switch::kColourItemCount) return false;
  if (link_.refreshingFlag()) return false;
  if (updateParameters) updateParameters(parameters);
  parameters.profileSwitch.colourItems[static_cast<size_t>(switchTarget)] = item;
  const ButtonEntry entry = comboKeyProfileEntry(parameters.profileSwitch, switchTarget);
  const std::string switchName = text(kProfileSwitchTargets[static_cast<size_t>(switchTarget)]);
  bool found = false;
  for (int profile = 1; profile <= kProfiles; ++profile) {
    for (int k = 1; k <= kButtons; ++k) {
      if (engineerCaptions[static_cast<size_t>(profile - 1)][static_cast<size_t>(k - 1)] !=
          switchName)
        continue;
      storeProfileEntry(link_.image, link_.codes, profile, k, entry);
      found = true;
    }
  }
  if (found) applyUnlessBatch();
  return found;
}

}  // namespace mousecfg
