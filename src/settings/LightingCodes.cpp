#include "settings/LightingCodes.h"

#include <algorithm>
#include <array>

#include "device/ConfigImage.h"
#include "device/DeviceLink.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

namespace {

int firstCode(std::string_view ledType) {
  return ledType == ledtype::kMcuLed || ledType == ledtype::kSpitLed ? 1 : 0;
}

}  // namespace

uint8_t ledEffectCode(std::string_view ledType, int effect) {
  return static_cast<uint8_t>((effect - 1 + firstCode(ledType)) & image::kLedEffectMask);
}

uint8_t withLedEffect(uint8_t current, std::string_view ledType, int effect) {
  return image::withLedEffectCode(current, ledEffectCode(ledType, effect));
}

std::optional<int> ledEffectOf(uint8_t value, std::string_view ledType) {
  const int effect = image::ledEffectCodeOf(value) - firstCode(ledType) + 1;
  if (effect < 1 || effect > kLedEffectCount) return std::nullopt;
  return effect;
}

int speedOfStepTime(int stepTime) {
  const int speed = (stepTime + kStepTimePerSpeed - 1) / kStepTimePerSpeed;
  return std::clamp(speed, 1, kBreathingSpeeds);
}

bool speedPictureLit(int picture, int speed, bool sliderStyle) {
  return sliderStyle ? picture == speed : picture >= 1 && picture <= speed;
}

TransferResult writeLedEffect(DeviceLink& link, int effect) {
  const uint8_t current = link.image.user[image::kUserLedEffect];
  const std::array<uint8_t, 1> value{withLedEffect(current, link.connection.ledType, effect)};
  return writeUserField(link, image::kUserLedEffect, value);
}

}  // namespace mousecfg
