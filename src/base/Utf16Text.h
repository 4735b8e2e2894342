#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mousecfg {

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string utf8FromUtf16(std::span<const char16_t> units);
// UTF-8 text as UTF-16 code units; a byte that starts no valid sequence (and an
// encoded surrogate or overlong form) becomes U+FFFD.
std::u16string utf16FromUtf8(std::string_view text);

}  // namespace mousecfg
