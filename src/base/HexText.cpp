#include "base/HexText.h"

#include <algorithm>

namespace mousecfg {

namespace {

constexpr std::string_view kUpperDigits = "0123456789ABCDEF";
constexpr std::string_view kLowerDigits = "0123456789abcdef";

}  // namespace

std::string hexDigits(uint32_t value, int digits, HexLetters letters) {
  const std::string_view table = letters == HexLetters::Upper ? kUpperDigits : kLowerDigits;
  std::string text;
  do {
    text += table[value & 0x0F];
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(text.size()) < digits)
    text.append(static_cast<size_t>(digits) - text.size(), '0');
  std::reverse(text.begin(), text.end());
  return text;
}

std::string hexBytes(std::span<const uint8_t> bytes, std::string_view separator) {
  std::string text;
  text.reserve(bytes.size() * (2 + separator.size()));
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i != 0) text += separator;
    text += kUpperDigits[bytes[i] >> 4];
    text += kUpperDigits[bytes[i] & 0x0F];
  }
  return text;
}

std::optional<uint32_t> readHexDigits(std::string_view digits) {
  constexpr size_t kMaxDigits = 8;
  if (digits.size() > kMaxDigits) return std::nullopt;
  uint32_t value = 0;
  for (char c : digits) {
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : -1;
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

}  // namespace mousecfg
