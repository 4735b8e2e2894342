#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mousecfg {

enum class HexLetters { Upper, Lower };

// `value` in hexadecimal, zero-padded to at least `digits` digits: hexDigits(0x5ED, 4)
// is "05ED". A value that needs more digits keeps them all.
std::string hexDigits(uint32_t value, int digits, HexLetters letters = HexLetters::Upper);

// Two upper-case digits per byte, `separator` between bytes: "3A 7E 05 ED", or with an
// empty separator "3A7E05ED".
std::string hexBytes(std::span<const uint8_t> bytes, std::string_view separator = " ");

}  // namespace mousecfg
