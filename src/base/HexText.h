#pragma once

#include <cstdint>
#include <optional>
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

// Hexadecimal digits (either case, no prefix) as their value; nullopt for any other
// character or for more than 8 digits. No digits at all read as 0.
std::optional<uint32_t> readHexDigits(std::string_view digits);

}  // namespace mousecfg
