#include "cli/StoredReadBack.h"

#include <algorithm>
#include <vector>

#include "device/DeviceLink.h"

namespace mousecfg {

bool storedBytesMatch(DeviceLink& link, size_t offset, std::span<const uint8_t> expected) {
  std::vector<uint8_t> stored(expected.size());
  if (!link.channel.BlockRead(static_cast<uint16_t>(offset), stored)) return false;
  return std::ranges::equal(stored, expected);
}

}  // namespace mousecfg
