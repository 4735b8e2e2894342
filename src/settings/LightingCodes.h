#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/TransferResult.h"

namespace mousecfg {

// The seven lighting effects and their code in the low nibble of user-section byte 1
// (image 165). "MCULED" and "SPITLED" number the effects from 1, every other LED type
// from 0; the high nibble belongs to others and is kept.
inline constexpr int kLedEffectCount = 7;

uint8_t ledEffectCode(std::string_view ledType, int effect);
// Byte 165 with effect `effect` (1..7) in its low nibble.
uint8_t withLedEffect(uint8_t current, std::string_view ledType, int effect);
// The effect (1..7) a stored byte shows: the one whose write gives this low nibble;
// nullopt for a nibble no effect writes.
std::optional<int> ledEffectOf(uint8_t value, std::string_view ledType);

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

class DeviceLink;

// Stores lighting effect `effect` (1..7) in user-section byte 1 with the code the LED
// type gives it and, unless a batch runs, sends the byte and the section's checksum.
TransferResult writeLedEffect(DeviceLink& link, int effect);

}  // namespace mousecfg
