#include "settings/LedEffectWrite.h"

#include <array>

#include "device/DeviceLink.h"
#include "settings/LedEffectCode.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

TransferResult writeLedEffect(DeviceLink& link, int effect) {
  const uint8_t current = link.image.user[image::kUserLedEffect];
  const std::array<uint8_t, 1> value{withLedEffect(current, link.connection.ledType, effect)};
  return writeUserField(link, image::kUserLedEffect, value);
}

}  // namespace mousecfg
