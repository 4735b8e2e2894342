#include "settings/DpiLevels.h"

#include <array>

#include "device/DeviceLink.h"
#include "device/ImageMap.h"
#include "settings/SectionFieldWrite.h"

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

using namespace image;

TransferResult writeLevelStep(DeviceLink& link, int level, uint8_t step, int activeIndex) {
  const size_t offset = stepTableOffset(level);
  const std::array<uint8_t, 1> pair{withLevelStep(link.image.vendor[offset], level, step)};
  storeVendorBytes(link, offset, pair);
  const TransferResult stepSent = sendVendorBytes(link, offset, 1);
  const TransferResult nudge = nudgeActiveLevel(link, activeIndex);
  return stepSent + nudge + sendVendorChecksum(link);
}

TransferResult nudgeActiveLevel(DeviceLink& link, int activeIndex) {
  if (link.batchFlag()) return {};
  const auto active = static_cast<uint8_t>(activeIndex);
  const auto neighbour = static_cast<uint8_t>(activeIndex == 0 ? 1 : activeIndex - 1);
  const auto address = static_cast<uint8_t>(kUserOffset + kUserActiveDpiLevel);
  const TransferResult first = link.transfer.writeField(address, std::array<uint8_t, 1>{neighbour});
  return first + link.transfer.writeField(address, std::array<uint8_t, 1>{active});
}

TransferResult writeLevelCount(DeviceLink& link, int count) {
  return writeVendorField(link, kDpiLevelCountOffset,
                          std::array<uint8_t, 1>{static_cast<uint8_t>(count - 1)});
}

TransferResult writeActiveLevel(DeviceLink& link, int activeIndex) {
  return writeUserField(link, kUserActiveDpiLevel,
                        std::array<uint8_t, 1>{static_cast<uint8_t>(activeIndex)});
}

}  // namespace mousecfg
