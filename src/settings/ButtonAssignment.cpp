#include "settings/ButtonAssignment.h"

#include <algorithm>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "base/ProgramOptions.h"
#include "device/DeviceLink.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

constexpr std::string_view kLeftKeyText = langkey::menu::kLeftKey;

}  // namespace

ButtonAssignment::ButtonAssignment(DeviceLink& link, const LanguageTables& languages,
                                   const ProgramOptions& options)
    : link_(link), languages_(languages), gdEnable_(options.gdEnable), beEnable_(options.beEnable) {
  parameters.gunDisplay = gdEnable_;
  menu.setCaptions(languages_);
  menu.setSizing(functionMenuSizing(editedProfile, gdEnable_, beEnable_), false, true);
}

std::string ButtonAssignment::text(std::string_view key) const {
  return languages_.text(key);
}

bool ButtonAssignment::macrosAvailable() const {
  return link_.connection.supportsStoredWrites();
}

NamingContext ButtonAssignment::namingContext() const {
  return NamingContext{languages_, parameters.fireKeys, fireMacros, link_.macros,
                       macrosAvailable()};
}

EntryName ButtonAssignment::decode(std::string_view code) const {
  return DecodeEntryName(code, namingContext());
}

// Naming an entry for a caption also tells the fire keys' Continuous options and the
// engineer page's profile colours what the entries say.
std::string ButtonAssignment::refreshedName(std::string_view code) {
  const EntryName name = decode(code);
  if (name.fireKey)
    parameters.fireKeys[static_cast<size_t>(*name.fireKey - 1)].continuous = name.fireKeyContinuous;
  if (name.profileTarget) {
    const auto item = colourItemOfCode(switchColourCode(name.profileColourByte));
    if (item)
      parameters.profileSwitch.colourItems[static_cast<size_t>(*name.profileTarget)] = *item;
  }
  return name.text;
}

int ButtonAssignment::leftKeyLabelCount() const {
  const std::string left = text(kLeftKeyText);
  return static_cast<int>(std::count(keyCaptions.begin(), keyCaptions.end(), left));
}

bool ButtonAssignment::isOnlyLeftKey(int button) const {
  return keyCaptions[static_cast<size_t>(button - 1)] == text(kLeftKeyText) &&
         leftKeyLabelCount() == 1;
}

std::array<std::string, ButtonAssignment::kButtons> ButtonAssignment::profileNames(
    int profile) const {
  std::array<std::string, kButtons> names;
  for (int k = 1; k <= kButtons; ++k)
    names[static_cast<size_t>(k - 1)] = nameOfCode(profileCode(link_.codes, profile, k));
  return names;
}

void ButtonAssignment::RefreshProfile1Keys() {
  for (int k = 1; k <= kButtons; ++k)
    keyCaptions[static_cast<size_t>(k - 1)] = refreshedName(profileCode(link_.codes, 1, k));
}

void ButtonAssignment::RefreshProfile2Keys() {
  for (int k = 1; k <= kButtons; ++k)
    keyCaptions[static_cast<size_t>(k - 1)] = refreshedName(profileCode(link_.codes, 2, k));
}

void ButtonAssignment::TLRefreshProfile1Keys() {
  for (int k = 1; k <= kButtons; ++k)
    engineerCaptions[0][static_cast<size_t>(k - 1)] = refreshedName(profileCode(link_.codes, 1, k));
}

void ButtonAssignment::TLRefreshProfile2Keys() {
  for (int k = 1; k <= kButtons; ++k)
    engineerCaptions[1][static_cast<size_t>(k - 1)] = refreshedName(profileCode(link_.codes, 2, k));
}

void ButtonAssignment::TLRefreshComboKeys() {
  for (int n = 1; n <= kComboKeys; ++n)
    comboCaptions[static_cast<size_t>(n - 1)] = refreshedName(comboKeyCode(link_.codes, n));
}

void ButtonAssignment::refreshListNames() {
  menu.setMacroNames(macrosAvailable() ? link_.macros.names() : std::vector<std::string>{});
  menu.setScriptNames(fireMacros.listNames());
}

void ButtonAssignment::refreshFromImage() {
  readFireKeySettings(link_.image.fireKey, parameters.fireKeys);
  refreshListNames();
  TLRefreshProfile1Keys();
  TLRefreshProfile2Keys();
  TLRefreshComboKeys();
  if (editedProfile == 1)
    RefreshProfile1Keys();
  else
    RefreshProfile2Keys();
}

void ButtonAssignment::setEditedProfile(int profile) {
  if (profile != 1 && profile != 2) return;
  editedProfile = profile;
  menu.setSizing(functionMenuSizing(profile, gdEnable_, beEnable_), profile != 1, profile != 2);
  if (profile == 1)
    RefreshProfile1Keys();
  else
    RefreshProfile2Keys();
}

void ButtonAssignment::applyLanguage() {
  menu.setCaptions(languages_);
  const int language = languages_.language();
  const auto relabel = [&](std::string& caption) {
    caption = languages_.relabel(caption, language);
  };
  std::for_each(keyCaptions.begin(), keyCaptions.end(), relabel);
  for (auto& profile : engineerCaptions) std::for_each(profile.begin(), profile.end(), relabel);
  std::for_each(comboCaptions.begin(), comboCaptions.end(), relabel);
}

bool ButtonAssignment::applyKeyTables() {
  lastWrite = link_.transfer.WriteKeyTables();
  return lastWrite.ok();
}

void ButtonAssignment::applyUnlessBatch() {
  if (!link_.batchFlag()) applyKeyTables();
}

}  // namespace mousecfg
