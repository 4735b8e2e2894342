#include "LedEffectWrite.h"

#include <array>

#include "LedEffectCode.h"
#include "SectionFieldWrite.h"
#include "device/DeviceLink.h"

namespace mousecfg {

void writeLedEffect(DeviceLink& link, int effect) {
  const uint8_t current = link.image.user[image::kUserLedEffect];
  const std::array<uint8_t, 1> value{withLedEffect(current, link.connection.ledType, effect)};
  writeUserField(link, image::kUserLedEffect, value);
}

}  // namespace mousecfg
