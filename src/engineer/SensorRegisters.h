#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "device/ImageMap.h"

namespace mousecfg {

// A one-byte register the engineer page edits as two hex digits: where it lives in the
// vendor section, the label beside its edit and the value the built-in image gives it.
struct HexRegister {
  size_t offset;
  std::string_view caption;
  uint8_t defaultValue;
};

// The optical sensor's tuning registers, vendor bytes 9..39 (group "XData").
extern const std::array<HexRegister, image::kSensorRegistersLength> kSensorRegisters;
// "LED Init0:" and "LED Init1:", vendor bytes 40 and 41.
extern const std::array<HexRegister, image::kLedInitLength> kLedInitRegisters;

// The sensor or LED-init register at a vendor offset; nullptr for any other offset.
const HexRegister* hexRegisterAt(size_t offset);

}  // namespace mousecfg
