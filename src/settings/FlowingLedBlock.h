#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "device/ConfigImage.h"
#include "device/ImageMap.h"

namespace mousecfg {

// The flowing-LED block (image 1016..1023): speed step, then the brightness bit (7) with
// the LED count code 13 - n in bits 3..0, five zero bytes and the block's own checksum
// (sum of the other seven bytes, XOR 0x5A). The chip takes the first two bytes through
// three of its XData registers.
using FlowingLedBlock = std::array<uint8_t, image::kFlowingLedLength>;

inline constexpr int kFlowSpeedSteps = 8;  // "0".."7"
inline constexpr int kFewestFlowLeds = 4;  // "4".."13"
inline constexpr int kMostFlowLeds = 13;
inline constexpr uint8_t kFlowFullBrightness = 0x80;
inline constexpr uint8_t kFlowLedCountMask = 0x0F;

// The LED type whose LEDs flow and that takes this block.
inline constexpr std::string_view kFlowingLedType = ledtype::kMcuLed;

inline constexpr uint16_t kXDataFlowSpeed = 0x07C4;
inline constexpr uint16_t kXDataFlowControl = 0x07C5;
inline constexpr uint16_t kXDataFlowEnable = 0x07B4;
inline constexpr uint8_t kFlowEnableValue = 0x30;

struct FlowingLedSettings {
  int speedStep = 2;  // 0..7
  bool fullBrightness = true;
  int ledCount = kMostFlowLeds;  // 4..13
  bool operator==(const FlowingLedSettings&) const = default;
};

FlowingLedBlock encodeFlowingLed(const FlowingLedSettings& settings);
// The settings a block holds; fields outside their range come back clamped.
FlowingLedSettings decodeFlowingLed(std::span<const uint8_t, image::kFlowingLedLength> block);

}  // namespace mousecfg
