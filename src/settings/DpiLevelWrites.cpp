#include "settings/DpiLevelWrites.h"

#include <array>

#include "device/DeviceLink.h"
#include "settings/DpiStepTable.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

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
