#include "support/Utf8.h"

#include <cstddef>
#include <cstdint>

namespace mousecfg::fuzz {
namespace {

bool isContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the sequence starting at text[i], or 0 when it is not well formed.
size_t sequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[i + k]); };
  const uint8_t lead = byte(0);
  size_t length = 0;
  uint8_t secondLow = 0x80;
  uint8_t secondHigh = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondLow = 0xA0;   // overlong
    if (lead == 0xED) secondHigh = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondLow = 0x90;   // overlong
    if (lead == 0xF4) secondHigh = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() - i < length) return 0;
  if (byte(1) < secondLow || byte(1) > secondHigh) return 0;
  for (size_t k = 2; k < length; ++k)
    if (!isContinuation(byte(k))) return 0;
  return length;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = sequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace mousecfg::fuzz
