#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

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

}  // namespace mousecfg
