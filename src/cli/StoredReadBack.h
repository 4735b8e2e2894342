#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace mousecfg {

class DeviceLink;

// Whether the mouse's stored block now holds `expected` at `offset`, read back with one
// block read: for the sections the session's own check leaves out (fire keys, gun table).
bool storedBytesMatch(DeviceLink& link, size_t offset, std::span<const uint8_t> expected);

}  // namespace mousecfg
