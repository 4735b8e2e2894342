#include "settings/DpiPageState.h"

#include <algorithm>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "base/ProgramOptions.h"
#include "device/DeviceLink.h"
#include "settings/AimKeyEntries.h"
#include "settings/ColourBytes.h"
#include "settings/DpiLevels.h"
#include "settings/DpiSlider.h"
#include "settings/EngineerMirrors.h"
#include "settings/ReportRateControl.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

using namespace image;

namespace {

size_t levelColourOffset(int level) {
  return kDpiColourOffset + kColourLength * (level - 1);
}

}  // namespace

DpiPageState::DpiPageState(DeviceLink& link, const LanguageTables& texts,
                           const ProgramOptions& options, DpiControlsMirror& engineer,
                           ReportRateControl& rate)
    : link_(link), texts_(texts), options_(options), engineer_(engineer), rate_(rate) {
  levels[0].enabled = true;
  aimValueText = stepText(0, texts_);
}

int DpiPageState::sliderMax() const {
  return options_.dpiSliderMax();
}

int DpiPageState::dpiCount() const {
  return options_.dpiCount;
}

bool DpiPageState::handlersBlocked() const {
  return link_.batchFlag() || link_.refreshingFlag();
}

bool DpiPageState::usableLevel(int level) const {
  return level >= 1 && level <= kLevels && levels[level - 1].enabled;
}

std::string DpiPageState::checkPicture(int level) const {
  return level == activeLevel ? kChecked : kUnchecked;
}

uint32_t DpiPageState::levelColour(int level) const {
  if (level < 1 || level > kLevels) return 0;
  return colourAt(link_.image.vendor, levelColourOffset(level));
}

int DpiPageState::levelStep(int level) const {
  if (level < 1 || level > kLevels) return kDpiNoStep;
  return levelStepIn(link_.image.vendor, level);
}

int DpiPageState::reportRateChoice() const {
  return rate_.choice + 1;
}

std::string DpiPageState::ratePicture(int choice) const {
  return choice == reportRateChoice() ? kRadioChosen : kRadioNotChosen;
}

void DpiPageState::enableLevel(int level) {
  levels[level - 1].enabled = true;
}

void DpiPageState::disableLevel(int level) {
  levels[level - 1].enabled = false;
}

void DpiPageState::showLevelStep(int level, int step) {
  DpiLevelControls& controls = levels[level - 1];
  controls.valueText = stepText(step, texts_);
  controls.sliderPosition = std::min(step * kSliderUnit, sliderMax());
}

void DpiPageState::DPILevel_OnClick(int level) {
  if (handlersBlocked() || level < 1 || level > kLevels) return;
  if (enabledLevels == 1 && level == 1) return;
  blockingPanelVisible = true;
  const int activeBefore = activeLevel;
  const bool enabled = levels[level - 1].enabled;
  const bool last = level == kLevels || !levels[level].enabled;
  bool changed = false;
  if (!enabled && level > 1 && levels[level - 2].enabled) {
    enableLevel(level);
    ++enabledLevels;
    activeLevel = level;
    changed = true;
  } else if (enabled && last && level > 1) {
    disableLevel(level);
    --enabledLevels;
    if (activeLevel == level) activeLevel = level - 1;
    changed = true;
  }
  if (changed) {
    engineer_.showActiveLevel(activeLevel);
    engineer_.showLevelCount(enabledLevels);
    lastWrite = writeLevelCount(link_, enabledLevels);
    // The page shows the new active level, so the mouse has to use it too.
    if (activeLevel != activeBefore) lastWrite += writeActiveLevel(link_, activeLevel - 1);
  }
  blockingPanelVisible = false;
}

void DpiPageState::switchOnLevels(int count) {
  while (enabledLevels != count) {
    const int before = enabledLevels;
    DPILevel_OnClick(enabledLevels < count ? enabledLevels + 1 : enabledLevels);
    if (enabledLevels == before) return;
  }
}

void DpiPageState::CurrentDPI_OnClick(int level) {
  if (handlersBlocked() || !usableLevel(level)) return;
  activeLevel = level;
  lastWrite = writeActiveLevel(link_, level - 1);
  engineer_.showActiveLevel(level);
}

void DpiPageState::slider_DPIChange(int level, int position) {
  if (handlersBlocked() || !usableLevel(level)) return;
  DpiLevelControls& controls = levels[level - 1];
  controls.sliderPosition = std::clamp(position, 0, sliderMax());
  const int step = GetValueBySliderClick(controls.sliderPosition, sliderMax(), dpiCount());
  const std::string text = stepText(step, texts_);
  if (text == controls.valueText) return;
  controls.valueText = text;
  controls.dragged = true;
}

void DpiPageState::slider_DPIMouseUp(int level, int clickX, int sliderWidthPixels) {
  if (handlersBlocked() || !usableLevel(level)) return;
  DpiLevelControls& controls = levels[level - 1];
  const int step = controls.dragged
                       ? GetValueBySliderClick(controls.sliderPosition, sliderMax(), dpiCount())
                       : GetValueBySliderClick(clickX, sliderWidthPixels, dpiCount());
  controls.dragged = false;
  chooseLevelStep(level, step);
}

void DpiPageState::chooseLevelStep(int level, int step) {
  if (handlersBlocked() || !usableLevel(level) || step < 0 || step >= dpiCount()) return;
  showLevelStep(level, step);
  if (step == levelStep(level)) return;
  lastWrite = writeLevelStep(link_, level, static_cast<uint8_t>(step), activeLevel - 1);
  engineer_.showLevelStep(level, step);
}

void DpiPageState::showAimStep(int step) {
  const int position = std::clamp(step, 0, kAimPositions - 1);
  aimSliderPosition = position * kSliderUnit;
  aimStepNumber = step + 1;
  aimValueText = stepText(step, texts_);
  engineer_.showAimStep(position);
}

void DpiPageState::slider_AIMDPIChange(int position) {
  if (handlersBlocked()) return;
  aimSliderPosition = std::clamp(position, 0, (kAimPositions - 1) * kSliderUnit);
  aimValueText = stepText((aimSliderPosition + kSliderUnit / 2) / kSliderUnit, texts_);
}

void DpiPageState::slider_AIMDPIMouseUp(int clickX) {
  if (handlersBlocked()) return;
  chooseAimStep(aimPositionAtX(clickX));
}

bool DpiPageState::chooseAimStep(int step) {
  if (handlersBlocked() || step < 0 || step >= kAimPositions) return false;
  showAimStep(step);
  lastWrite = {};
  if (reencodeAimEntries(link_, static_cast<uint8_t>(step), lastWrite) > 0) return true;
  showAimStep(0);
  link_.host.showMessage(langkey::message::kSelectAimKey);
  return false;
}

void DpiPageState::lbl_DPIColClick(int level) {
  if (handlersBlocked() || !usableLevel(level) || !pickColour) return;
  const std::optional<uint32_t> chosen = pickColour(levelColour(level));
  if (!chosen) return;
  engineer_.showLevelColour(level, *chosen);
  lastWrite = writeVendorField(link_, levelColourOffset(level), colourBytes(*chosen));
}

void DpiPageState::ReportRate_OnClick(int choice) {
  if (handlersBlocked() || choice < 1 || choice > ReportRateControl::kRateCount) return;
  rate_.change(choice - 1);
}

void DpiPageState::RefreshCurrentDPIStatus() {
  // A read in the middle of a batch transfer would cut it short.
  if (!link_.connection.supportsStoredWrites() || link_.batchFlag()) return;
  std::array<uint8_t, 1> active{};
  if (!link_.channel.BlockRead(static_cast<uint16_t>(kUserOffset + kUserActiveDpiLevel), active))
    return;
  if (active[0] >= kLevels) return;
  storeUserBytes(link_, kUserActiveDpiLevel, active);
  activeLevel = active[0] + 1;
  engineer_.showActiveLevel(active[0] + 1);
}

void DpiPageState::RefreshAIMKey() {
  const bool secondProfile =
      activeProfileCode(link_.image.user[kUserActiveProfile]) == kProfile2Code;
  const ProfileSection& profile = secondProfile ? link_.image.profile2 : link_.image.profile1;
  showAimStep(aimStepOfProfile(profile).value_or(0));
}

void DpiPageState::refreshFromImage() {
  const auto refreshing = link_.holdRefreshing();
  const VendorSection& vendor = link_.image.vendor;
  for (DpiLevelControls& controls : levels) {
    controls.enabled = false;
    controls.dragged = false;
  }
  if (vendor[kDpiLevelCountOffset] < kLevels) enabledLevels = vendor[kDpiLevelCountOffset] + 1;
  for (int level = 1; level <= enabledLevels; ++level) enableLevel(level);
  for (int level = 1; level <= kLevels; ++level)
    if (const int step = levelStep(level); step != kDpiNoStep) showLevelStep(level, step);
  const uint8_t active = link_.image.user[kUserActiveDpiLevel];
  if (active < kLevels) activeLevel = active + 1;
  rate_.refreshFromImage();
  RefreshAIMKey();
}

void DpiPageState::deviceGone() {
  rate_.deviceGone();
}

}  // namespace mousecfg
