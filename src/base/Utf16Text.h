#pragma once

#include <span>
#include <string>

namespace mousecfg {

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string utf8FromUtf16(std::span<const char16_t> units);

}  // namespace mousecfg
