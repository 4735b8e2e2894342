#pragma once

#include <cstdint>
#include <string>

namespace mousecfg {

// The ten breathing-speed steps of the lighting page and the step time (byte 56) each
// writes: speed L writes 5·L.
inline constexpr int kBreathingSpeeds = 10;
inline constexpr int kStepTimePerSpeed = 5;

inline constexpr uint8_t stepTimeOfSpeed(int speed) {
  return static_cast<uint8_t>(speed * kStepTimePerSpeed);
}
// The speed a step time shows: v <= 5 gives 1, 5 < v <= 10 gives 2, ... v > 45 gives 10.
int speedOfStepTime(int stepTime);
// Whether picture `picture` (1..10) is lit when speed `speed` is chosen: only that one
// with the slider style (DPILED_Status 1), 1..speed as a bar otherwise.
bool speedPictureLit(int picture, int speed, bool sliderStyle);

}  // namespace mousecfg
