#include "engineer/ProductString.h"

#include <algorithm>

#include "base/Utf16Text.h"

namespace mousecfg {

namespace {

constexpr char16_t kLastSingleByte = 0xFF;

}  // namespace

std::optional<ProductString> productStringOf(std::string_view typed) {
  std::u16string characters = utf16FromUtf8(typed);
  if (characters.size() > image::kProductStringLength)
    characters.resize(image::kProductStringLength);
  ProductString result;
  for (size_t i = 0; i < characters.size(); ++i) {
    if (characters[i] > kLastSingleByte) return std::nullopt;
    result.bytes[i] = static_cast<uint8_t>(characters[i]);
  }
  result.text = utf8FromUtf16(characters);
  return result;
}

std::string productStringText(std::span<const uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), uint8_t{0});
  const std::u16string characters(field.begin(), end);
  return utf8FromUtf16(characters);
}

}  // namespace mousecfg
