#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

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

}  // namespace mousecfg
