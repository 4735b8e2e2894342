#include "engineer/EngineerLedState.h"

#include <algorithm>

#include "device/DeviceLink.h"
#include "settings/ColourBytes.h"
#include "settings/DecimalField.h"
#include "settings/FlowingLedBlock.h"
#include "settings/LightingCodes.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

using namespace image;

namespace {

using Field = EngineerLedState::BreathingField;

constexpr int64_t kMax16 = 65535;
constexpr Field kLower{kBreathingLowerOffset, 2, kMax16};
constexpr Field kUpper{kBreathingUpperOffset, 2, kMax16};
constexpr Field kLowerTime{kBreathingLowerTimeOffset, 2, 4094};
constexpr Field kUpperTime{kBreathingUpperTimeOffset, 2, kMax16};
constexpr Field kStepTime{kBreathingStepTimeOffset, 1, 255};

constexpr int kMaxColourComponent = 255;
// With the RGB LED type the flow speed step sets the step time instead.
constexpr int kRgbStepTimeBase = 10;
constexpr int kRgbStepTimePerStep = 30;

int64_t fieldValue(const VendorSection& vendor, size_t offset, size_t width) {
  return width == 1 ? vendor[offset] : vendor[offset] << 8 | vendor[offset + 1];
}

}  // namespace

void EngineerLedState::notifyChanged() {
  if (valuesChanged) valuesChanged();
}

void EngineerLedState::cb_BreModeChange(int index) {
  if (link_.refreshingFlag() || index < 0 || index >= kLedEffectCount) return;
  cb_BreMode = index;
  lastWrite = writeLedEffect(link_, index + 1);
  notifyChanged();
}

void EngineerLedState::breathingEdited(const BreathingField& field, std::string& edit,
                                       std::string_view text) {
  if (link_.refreshingFlag()) return;
  const std::optional<ClampedField> typed = clampDecimalField(text, field.maximum);
  if (!typed) return;
  edit = typed->text;
  const auto value = static_cast<uint16_t>(typed->value);
  if (field.width == 1) {
    lastWrite =
        writeVendorField(link_, field.offset, std::array<uint8_t, 1>{static_cast<uint8_t>(value)});
  } else {
    const std::array<uint8_t, 2> bigEndian{static_cast<uint8_t>(value >> 8),
                                           static_cast<uint8_t>(value)};
    lastWrite = writeVendorField(link_, field.offset, bigEndian);
  }
  notifyChanged();
}

void EngineerLedState::edt_LowerChange(std::string_view text) {
  breathingEdited(kLower, edt_Lower, text);
}
void EngineerLedState::edt_UpperChange(std::string_view text) {
  breathingEdited(kUpper, edt_Upper, text);
}
void EngineerLedState::edt_LowerTimeChange(std::string_view text) {
  breathingEdited(kLowerTime, edt_LowerTime, text);
}
void EngineerLedState::edt_UpperTimeChange(std::string_view text) {
  breathingEdited(kUpperTime, edt_UpperTime, text);
}
void EngineerLedState::edt_StepTimeChange(std::string_view text) {
  breathingEdited(kStepTime, edt_StepTime, text);
}

void EngineerLedState::cb_MCULEDStepChange(int index) {
  if (link_.refreshingFlag() || index < 0 || index >= kFlowSpeedSteps) return;
  cb_MCULEDStep = index;
  LEDParameterChange(LedParameter::SpeedStep);
}

void EngineerLedState::cb_MCULEDCtrlChange(int index) {
  if (link_.refreshingFlag() || (index != kHalfBrightness && index != kFullBrightness)) return;
  cb_MCULEDCtrl = index;
  LEDParameterChange(LedParameter::Brightness);
}

void EngineerLedState::cb_MCULEDNumChange(int index) {
  if (link_.refreshingFlag() || index < 0 || index > kMostFlowLeds - kFewestFlowLeds) return;
  cb_MCULEDNum = index;
  LEDParameterChange(LedParameter::LedCount);
}

void EngineerLedState::LEDParameterChange(LedParameter changed) {
  if (link_.refreshingFlag()) return;
  if (!storesParameter(changed)) return;  // nothing stored: the lists just show the choice
  if (link_.connection.ledType == kFlowingLedType) {
    lastWrite = sendFlowingLedBlock();
  } else {
    const auto stepTime =
        static_cast<uint8_t>(kRgbStepTimeBase + kRgbStepTimePerStep * cb_MCULEDStep);
    lastWrite = writeVendorField(link_, kBreathingStepTimeOffset, std::array<uint8_t, 1>{stepTime});
    edt_StepTime = decimalFieldText(stepTime);
  }
  notifyChanged();
}

bool EngineerLedState::storesParameter(LedParameter parameter) const {
  if (link_.connection.ledType == kFlowingLedType) return storesFlowingLedBlock();
  return link_.connection.ledType == ledtype::kRgb && parameter == LedParameter::SpeedStep;
}

bool EngineerLedState::storesFlowingLedBlock() const {
  return link_.connection.ledType == kFlowingLedType &&
         link_.connection.interfaceType == kInterfaceI2c;
}

TransferResult EngineerLedState::sendFlowingLedBlock() {
  const FlowingLedBlock block = encodeFlowingLed(
      {cb_MCULEDStep, cb_MCULEDCtrl == kFullBrightness, kFewestFlowLeds + cb_MCULEDNum});
  PatchRecord& record = link_.image.patchRecord;
  std::copy(block.begin(), block.end(), record.begin() + kFlowingLedInRecord);
  if (link_.batchFlag()) return {};
  CommandChannel& channel = link_.channel;
  TransferResult sent = channel.BlockWrite(kPatchRecordOffset, record);
  sent += channel.ExtendedWrite(kXDataFlowSpeed, block[kFlowingLedSpeed]);
  sent += channel.ExtendedWrite(kXDataFlowControl, block[kFlowingLedControl]);
  return sent + channel.ExtendedWrite(kXDataFlowEnable, kFlowEnableValue);
}

void EngineerLedState::colourEdited(int slot, ColourPart part, std::string_view text) {
  if (link_.refreshingFlag() || slot < 1 || slot > kSlots) return;
  const std::optional<ClampedField> typed = clampDecimalField(text, kMaxColourComponent);
  if (!typed) return;
  edt_Col[slot - 1][part] = typed->text;
  const size_t offset = colourSlotOffset(slot) + part;
  lastWrite =
      writeVendorField(link_, offset, std::array<uint8_t, 1>{static_cast<uint8_t>(typed->value)});
  notifyChanged();
}

void EngineerLedState::showSlotColour(int slot, uint32_t rgb) {
  if (slot < 1 || slot > kSlots) return;
  const ColourBytes bytes = colourBytes(rgb);
  for (int part = Red; part <= Blue; ++part)
    edt_Col[slot - 1][part] = decimalFieldText(bytes[part]);
}

void EngineerLedState::showStepTime(uint8_t stepTime) {
  edt_StepTime = decimalFieldText(stepTime);
}

void EngineerLedState::sendFlowSpeed(int step) {
  cb_MCULEDStep = step;
  LEDParameterChange(LedParameter::SpeedStep);
}

void EngineerLedState::sendFlowBrightness(bool full) {
  cb_MCULEDCtrl = full ? kFullBrightness : kHalfBrightness;
  LEDParameterChange(LedParameter::Brightness);
}

void EngineerLedState::refreshFromImage() {
  const VendorSection& vendor = link_.image.vendor;
  const std::optional<int> effect =
      ledEffectOf(link_.image.user[kUserLedEffect], link_.connection.ledType);
  cb_BreMode = effect ? *effect - 1 : kNoItem;
  edt_Lower = decimalFieldText(fieldValue(vendor, kLower.offset, kLower.width));
  edt_Upper = decimalFieldText(fieldValue(vendor, kUpper.offset, kUpper.width));
  edt_LowerTime = decimalFieldText(fieldValue(vendor, kLowerTime.offset, kLowerTime.width));
  edt_UpperTime = decimalFieldText(fieldValue(vendor, kUpperTime.offset, kUpperTime.width));
  edt_StepTime = decimalFieldText(fieldValue(vendor, kStepTime.offset, kStepTime.width));
  const FlowingLedSettings flow = decodeFlowingLed(
      std::span(link_.image.patchRecord).subspan<kFlowingLedInRecord, kFlowingLedLength>());
  cb_MCULEDStep = flow.speedStep;
  cb_MCULEDCtrl = flow.fullBrightness ? kFullBrightness : kHalfBrightness;
  cb_MCULEDNum = flow.ledCount - kFewestFlowLeds;
  for (int slot = 1; slot <= kSlots; ++slot)
    showSlotColour(slot, colourAt(vendor, colourSlotOffset(slot)));
}

}  // namespace mousecfg
