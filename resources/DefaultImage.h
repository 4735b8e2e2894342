#pragma once

#include <array>
#include <cstdint>

namespace mousecfg {

// The built-in default configuration image: the block a new mouse holds and the one
// the program shows without a device.
const std::array<uint8_t, 2048>& builtInDefaultImage();

}  // namespace mousecfg
