#include "settings/LedEffectCode.h"

#include "device/ConfigImage.h"

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

}  // namespace mousecfg
