#include "settings/DpiStepTable.h"

#include "device/ImageMap.h"

namespace mousecfg {

namespace {

bool inHighNibble(int level) {
  return level % 2 == 0;
}

}  // namespace

size_t stepTableOffset(int level) {
  return image::kDpiStepTableOffset + static_cast<size_t>(level - 1) / 2;
}

int partnerLevel(int level) {
  return inHighNibble(level) ? level - 1 : level + 1;
}

uint8_t levelStepIn(std::span<const uint8_t> vendor, int level) {
  const uint8_t pair = vendor[stepTableOffset(level)];
  return inHighNibble(level) ? pair >> 4 : pair & 0x0F;
}

uint8_t withLevelStep(uint8_t pair, int level, uint8_t step) {
  step &= 0x0F;
  if (inHighNibble(level)) return static_cast<uint8_t>((pair & 0x0F) | step << 4);
  return static_cast<uint8_t>((pair & 0xF0) | step);
}

}  // namespace mousecfg
