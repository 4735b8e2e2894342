#include "settings/DpiLevelWrites.h"

#include <array>

#include "device/DeviceLink.h"
#include "settings/DpiStepTable.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

using namespace image;

void writeLevelStep(DeviceLink& link, int level, uint8_t step, int activeIndex) {
  const size_t offset = stepTableOffset(level);
  const std::array<uint8_t, 1> pair{withLevelStep(link.image.vendor[offset], level, step)};
  storeVendorBytes(link, offset, pair);
  sendVendorBytes(link, offset, 1);
  nudgeActiveLevel(link, activeIndex);
  sendVendorChecksum(link);
}

void nudgeActiveLevel(DeviceLink& link, int activeIndex) {
  if (link.batchFlag()) return;
  const auto active = static_cast<uint8_t>(activeIndex);
  const auto neighbour = static_cast<uint8_t>(activeIndex == 0 ? 1 : activeIndex - 1);
  const auto address = static_cast<uint8_t>(kUserOffset + kUserActiveDpiLevel);
  link.transfer.writeField(address, std::array<uint8_t, 1>{neighbour});
  link.transfer.writeField(address, std::array<uint8_t, 1>{active});
}

void writeLevelCount(DeviceLink& link, int count) {
  writeVendorField(link, kDpiLevelCountOffset,
                   std::array<uint8_t, 1>{static_cast<uint8_t>(count - 1)});
}

void writeActiveLevel(DeviceLink& link, int activeIndex) {
  writeUserField(link, kUserActiveDpiLevel,
                 std::array<uint8_t, 1>{static_cast<uint8_t>(activeIndex)});
}

}  // namespace mousecfg
