#include "engineer/EngineerDpiState.h"

#include "base/LanguageKeys.h"
#include "device/DeviceLink.h"
#include "settings/AimKeyEntries.h"
#include "settings/ColourBytes.h"
#include "settings/DecimalField.h"
#include "settings/DpiLevels.h"
#include "settings/ReportRateControl.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

using namespace image;

namespace {

constexpr int kMaxColourComponent = 255;
constexpr int kLastStep = 14;  // the step lists hold "200".."12000"
constexpr int kLastAimStep = 14;

bool validLevel(int level) {
  return level >= 1 && level <= EngineerDpiState::kLevels;
}

}  // namespace

int EngineerDpiState::cb_RepRate() const {
  return rate_.choice;
}

bool EngineerDpiState::handlersBlocked() const {
  return link_.refreshingFlag();
}

void EngineerDpiState::notifyChanged() {
  if (valuesChanged) valuesChanged();
}

void EngineerDpiState::showLevelCount(int count) {
  cb_CPISteps = count - 1;
  for (int i = 0; i < kLevels; ++i) cpiListEnabled[i] = i < count;
}

void EngineerDpiState::cb_CPIStepsChange(int index) {
  if (handlersBlocked() || index < 0 || index >= kLevels) return;
  showLevelCount(index + 1);
  lastWrite = writeLevelCount(link_, index + 1);
  notifyChanged();
}

void EngineerDpiState::cb_CPIChange(int level, int index) {
  if (handlersBlocked() || !validLevel(level) || index < 0 || index > kLastStep) return;
  cb_CPI[level - 1] = index;
  lastWrite = writeLevelStep(link_, level, static_cast<uint8_t>(index), cb_CurrentCPI);
  notifyChanged();
}

void EngineerDpiState::cb_CurrentCPIChange(int index) {
  if (handlersBlocked() || index < 0 || index >= kLevels) return;
  cb_CurrentCPI = index;
  lastWrite = writeActiveLevel(link_, index);
  notifyChanged();
}

bool EngineerDpiState::cb_AIMChange(int index) {
  if (handlersBlocked() || index < 0 || index > kLastAimStep) return false;
  lastWrite = {};
  if (reencodeAimEntries(link_, static_cast<uint8_t>(index), lastWrite) == 0) {
    link_.host.showMessage(langkey::message::kSelectAimKey);  // cb_AIM keeps the entry it had
    return false;
  }
  cb_AIM = index;
  notifyChanged();
  return true;
}

void EngineerDpiState::cb_RepRateChange(int index) {
  if (handlersBlocked()) return;
  rate_.change(index);
  notifyChanged();
}

void EngineerDpiState::colourEdited(int level, ColourPart part, std::string_view text) {
  if (handlersBlocked() || !validLevel(level)) return;
  const std::optional<ClampedField> typed = clampDecimalField(text, kMaxColourComponent);
  if (!typed) return;
  edt_CPI[level - 1][part] = typed->text;
  const size_t offset = kDpiColourOffset + kColourLength * (level - 1) + part;
  lastWrite =
      writeVendorField(link_, offset, std::array<uint8_t, 1>{static_cast<uint8_t>(typed->value)});
  notifyChanged();
}

void EngineerDpiState::showLevelColour(int level, uint32_t rgb) {
  if (!validLevel(level)) return;
  const ColourBytes bytes = colourBytes(rgb);
  for (int part = Red; part <= Blue; ++part)
    edt_CPI[level - 1][part] = decimalFieldText(bytes[part]);
}

void EngineerDpiState::showLevelStep(int level, int step) {
  if (validLevel(level)) cb_CPI[level - 1] = step;
}

void EngineerDpiState::refreshFromImage() {
  const VendorSection& vendor = link_.image.vendor;
  if (vendor[kDpiLevelCountOffset] < kLevels) showLevelCount(vendor[kDpiLevelCountOffset] + 1);
  for (int level = 1; level <= kLevels; ++level) {
    const uint8_t step = levelStepIn(vendor, level);
    cb_CPI[level - 1] = step == kDpiNoStep ? kNoItem : step;
    showLevelColour(level, colourAt(vendor, kDpiColourOffset + kColourLength * (level - 1)));
  }
  const uint8_t active = link_.image.user[kUserActiveDpiLevel];
  if (active < kLevels) cb_CurrentCPI = active;
}

}  // namespace mousecfg
