#include "settings/FlowingLedBlock.h"

#include <algorithm>

#include "device/ConfigImage.h"

namespace mousecfg {

using namespace image;

FlowingLedBlock encodeFlowingLed(const FlowingLedSettings& settings) {
  FlowingLedBlock block{};
  const int leds = std::clamp(settings.ledCount, kFewestFlowLeds, kMostFlowLeds);
  block[kFlowingLedSpeed] =
      static_cast<uint8_t>(std::clamp(settings.speedStep, 0, kFlowSpeedSteps - 1));
  block[kFlowingLedControl] = static_cast<uint8_t>(
      (settings.fullBrightness ? kFlowFullBrightness : 0) | (kMostFlowLeds - leds));
  storeChecksum(block);
  return block;
}

FlowingLedSettings decodeFlowingLed(std::span<const uint8_t, kFlowingLedLength> block) {
  FlowingLedSettings settings;
  settings.speedStep = std::min<int>(block[kFlowingLedSpeed], kFlowSpeedSteps - 1);
  settings.fullBrightness = (block[kFlowingLedControl] & kFlowFullBrightness) != 0;
  const int countCode = block[kFlowingLedControl] & kFlowLedCountMask;
  settings.ledCount = std::max(kMostFlowLeds - countCode, kFewestFlowLeds);
  return settings;
}

}  // namespace mousecfg
