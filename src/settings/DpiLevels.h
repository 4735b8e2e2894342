#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/TransferResult.h"

namespace mousecfg {

// The DPI step table: level 2j+1 in the low nibble and level 2j+2 in the high nibble of
// byte 44 + j. Levels are numbered 1..8.

// Vendor-section offset of the byte holding `level`'s nibble.
size_t stepTableOffset(int level);
// The level sharing that byte.
int partnerLevel(int level);
// The step (nibble) of `level` in the vendor section; 15 = none stored.
uint8_t levelStepIn(std::span<const uint8_t> vendor, int level);
// The byte holding `level` with its nibble replaced by `step`.
uint8_t withLevelStep(uint8_t pair, int level, uint8_t step);

class DeviceLink;

// The writes that both the Advanced page and the engineer page make for DPI levels.
// Each keeps the working copy in step with what the mouse was sent, so a later section
// write, a saved profile file or the next checksum check carries the new values.

// Stores `step` as level's nibble, sends the byte with both nibbles, makes the mouse
// apply it (nudgeActiveLevel) and sends the vendor checksum.
TransferResult writeLevelStep(DeviceLink& link, int level, uint8_t step, int activeIndex);
// The mouse applies a new step when the active level changes: byte 166 is sent as a
// neighbour of activeIndex (activeIndex - 1, or 1 when it is 0), then as activeIndex.
TransferResult nudgeActiveLevel(DeviceLink& link, int activeIndex);
// Byte 43 := count - 1.
TransferResult writeLevelCount(DeviceLink& link, int count);
// Byte 166 := activeIndex (0..7).
TransferResult writeActiveLevel(DeviceLink& link, int activeIndex);

}  // namespace mousecfg
