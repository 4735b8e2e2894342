#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace mousecfg::test {

// "3A 7E 05 ED": byte sequences as text, so a failed comparison shows where they differ.
inline std::string hexBytes(std::span<const uint8_t> bytes) {
  std::string text;
  char two[4];
  for (uint8_t byte : bytes) {
    if (!text.empty()) text += ' ';
    std::snprintf(two, sizeof two, "%02X", byte);
    text += two;
  }
  return text;
}

template <typename Bytes>
std::string hexRange(const Bytes& bytes, size_t offset, size_t length) {
  return hexBytes(std::span<const uint8_t>(bytes).subspan(offset, length));
}

// `count` copies of one byte, as hexBytes writes them.
inline std::string hexRepeat(uint8_t byte, size_t count) {
  std::string one = hexBytes(std::span<const uint8_t>(&byte, 1));
  std::string text;
  for (size_t i = 0; i < count; ++i) text += (i ? " " : "") + one;
  return text;
}

}  // namespace mousecfg::test
