#include "settings/LightingPageState.h"

#include <algorithm>

#include "base/ProgramOptions.h"
#include "device/DeviceLink.h"
#include "settings/ColourBytes.h"
#include "settings/DecimalField.h"
#include "settings/DpiSlider.h"
#include "settings/EngineerMirrors.h"
#include "settings/FlowingLedBlock.h"
#include "settings/LightingCodes.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

using namespace image;

LightingPageState::LightingPageState(DeviceLink& link, const ProgramOptions& options,
                                     LightingControlsMirror& engineer)
    : link_(link), options_(options), engineer_(engineer) {}

bool LightingPageState::handlersBlocked() const {
  return link_.batchFlag() || link_.refreshingFlag();
}

std::string LightingPageState::effectPicture(int effect) const {
  return effect == effectChoice ? kRadioChosen : kRadioNotChosen;
}

std::string LightingPageState::speedPicture(int speed) const {
  return speedPictureLit(speed, breathingSpeed, options_.dpiLedStatus) ? kSpeedLit : kSpeedUnlit;
}

std::string LightingPageState::brightnessPicture(bool full) const {
  return full == fullBrightness ? kRadioChosen : kRadioNotChosen;
}

uint32_t LightingPageState::slotColour(int slot) const {
  if (slot < 1 || slot > kSlots) return 0;
  return waitingColour(slot).value_or(colourAt(link_.image.vendor, colourSlotOffset(slot)));
}

void LightingPageState::setWaitingColour(int slot, uint32_t rgb) {
  if (slot < 1 || slot > kSlots) return;
  waitingColours_[static_cast<size_t>(slot - 1)] = rgb;
  engineer_.showSlotColour(slot, rgb);
}

std::optional<uint32_t> LightingPageState::waitingColour(int slot) const {
  if (slot < 1 || slot > kSlots) return std::nullopt;
  return waitingColours_[static_cast<size_t>(slot - 1)];
}

void LightingPageState::markEffect(int effect) {
  effectChoice = effect;
  engineer_.showEffect(effect);
  speedPicturesEnabled = effect <= kLastBreathingEffect;
}

void LightingPageState::RGBMode_OnClick(int effect) {
  if (link_.refreshingFlag() || effect < 1 || effect > kEffects) return;
  markEffect(effect);
  if (!link_.batchFlag()) lastWrite = writeLedEffect(link_, effect);
}

void LightingPageState::FallTime_OnClick(int speed) {
  if (handlersBlocked() || !speedPicturesEnabled || speed < 1 || speed > kSpeeds) return;
  breathingSpeed = speed;
  const uint8_t stepTime = stepTimeOfSpeed(speed);
  lastWrite = writeVendorField(link_, kBreathingStepTimeOffset, std::array<uint8_t, 1>{stepTime});
  engineer_.showStepTime(stepTime);
}

void LightingPageState::slider_MCULEDStepMouseUp(int clickX) {
  if (handlersBlocked()) return;
  chooseFlowSpeed(flowSpeedAtX(clickX));
}

void LightingPageState::chooseFlowSpeed(int step) {
  if (handlersBlocked() || step < 0 || step >= kFlowSpeedSteps) return;
  flowSpeed = step;
  engineer_.sendFlowSpeed(step);
}

void LightingPageState::chooseBrightness(bool full) {
  if (handlersBlocked()) return;
  fullBrightness = full;
  engineer_.sendFlowBrightness(full);
}

void LightingPageState::lbl_ColClick(int slot) {
  if (handlersBlocked() || slot < 1 || slot > kSlots || !pickColour) return;
  const std::optional<uint32_t> chosen = pickColour(slotColour(slot));
  if (!chosen) return;
  engineer_.showSlotColour(slot, *chosen);
  waitingColours_[static_cast<size_t>(slot - 1)].reset();
  lastWrite = writeVendorField(link_, colourSlotOffset(slot), colourBytes(*chosen));
}

void LightingPageState::refreshFromImage() {
  const auto refreshing = link_.holdRefreshing();
  clearWaitingColours();
  breathingSpeed = speedOfStepTime(link_.image.vendor[kBreathingStepTimeOffset]);
  const std::optional<int> effect =
      ledEffectOf(link_.image.user[kUserLedEffect], link_.connection.ledType);
  effectChoice = effect.value_or(0);
  speedPicturesEnabled = effectChoice <= kLastBreathingEffect;
  const FlowingLedSettings flow = decodeFlowingLed(
      std::span(link_.image.patchRecord).subspan<kFlowingLedInRecord, kFlowingLedLength>());
  flowSpeed = flow.speedStep;
  fullBrightness = flow.fullBrightness;
}

}  // namespace mousecfg
