#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace mousecfg::fuzz {

// Stops the run with a report when a property does not hold; libFuzzer then saves the
// input as a crash.
void require(bool holds, std::string_view property);

// The section checksum rule written out here rather than taken from the program: the
// sum of every byte but the last, modulo 256, XOR 0x5A, in the last byte.
bool checksumHolds(std::span<const uint8_t> section);

}  // namespace mousecfg::fuzz
